package org.bukkit.entity;

import java.util.Set;

/**
 * A living entity made of several parts (the ender dragon). This server simulates players only, so
 * no entity of this kind exists here.
 */
public interface ComplexLivingEntity extends LivingEntity {
    Set<ComplexEntityPart> getParts();
}
