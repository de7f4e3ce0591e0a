package org.bukkit.craftbukkit.v1_7_R1.entity;

import java.util.UUID;

import org.bukkit.entity.HumanEntity;
import org.bukkit.permissions.PermissibleBase;

import net.cubeworks.world.game.entity.Living;

/**
 * The base of the player's class chain, under the name and with the field CraftBukkit 1.7.2
 * gave it: the player's permissions are the {@link PermissibleBase} in {@code perm}. Permission
 * plugins of the era (PermissionsEx) look this class up by name, check that the player is one,
 * and put a permissible of their own into that field by reflection, copying the attachments
 * over, so that every permission check of the player, by any plugin or the server's commands,
 * is answered by theirs; at quit they put the old one back. The player's permission members
 * therefore read the field at each call and never keep the permissible elsewhere.
 */
public abstract class CraftHumanEntity extends Living implements HumanEntity {
    /** The player's permissions; replaced by permission plugins, so read at each use. */
    protected volatile PermissibleBase perm = new PermissibleBase(this);

    protected CraftHumanEntity(int entityId, UUID uniqueId, Object lock, float health) {
        super(entityId, uniqueId, lock, health);
    }
}
