package org.bukkit.entity;

public interface ComplexEntityPart extends Entity {
    ComplexLivingEntity getParent();
}
