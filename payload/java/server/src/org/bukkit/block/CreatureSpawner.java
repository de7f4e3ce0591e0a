package org.bukkit.block;

import org.bukkit.entity.CreatureType;
import org.bukkit.entity.EntityType;

/** A monster spawner: the kind of creature it makes and the ticks until it next tries. */
public interface CreatureSpawner extends BlockState {
    @Deprecated
    CreatureType getCreatureType();

    EntityType getSpawnedType();

    void setSpawnedType(EntityType creatureType);

    @Deprecated
    void setCreatureType(CreatureType creatureType);

    @Deprecated
    String getCreatureTypeId();

    void setCreatureTypeByName(String creatureType);

    String getCreatureTypeName();

    @Deprecated
    void setCreatureTypeId(String creatureType);

    int getDelay();

    void setDelay(int delay);
}
