package org.bukkit.material;

import java.util.Arrays;
import java.util.Collections;
import java.util.List;
import org.bukkit.Material;

/** A silverfish block: looking like stone, cobblestone or stone bricks. */
public class MonsterEggs extends TexturedMaterial {
    public MonsterEggs() {
        super(Material.MONSTER_EGGS);
    }

    @Deprecated
    public MonsterEggs(int type) {
        super(type);
    }

    public MonsterEggs(Material type) {
        super(type);
    }

    @Deprecated
    public MonsterEggs(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public MonsterEggs(Material type, byte data) {
        super(type, data);
    }


    private static final List<Material> TEXTURES = Collections.unmodifiableList(Arrays.asList(Material.STONE, Material.COBBLESTONE, Material.SMOOTH_BRICK));

    public List<Material> getTextures() {
        return TEXTURES;
    }

    @Override
    public MonsterEggs clone() {
        return (MonsterEggs) super.clone();
    }
}
