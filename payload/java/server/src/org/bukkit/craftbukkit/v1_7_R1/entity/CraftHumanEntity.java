package org.bukkit.craftbukkit.v1_7_R1.entity;

import java.util.Set;
import java.util.UUID;

import org.bukkit.entity.HumanEntity;
import org.bukkit.permissions.Permission;
import org.bukkit.permissions.PermissibleBase;
import org.bukkit.permissions.PermissionAttachment;
import org.bukkit.permissions.PermissionAttachmentInfo;
import org.bukkit.plugin.Plugin;

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

    // Registered permissions by their defaults and plugins' attachments, recalculated when the
    // operator status changes.
    public boolean isPermissionSet(String name) {
        return perm.isPermissionSet(name);
    }

    public boolean isPermissionSet(Permission permission) {
        return perm.isPermissionSet(permission);
    }

    public boolean hasPermission(String name) {
        return perm.hasPermission(name);
    }

    public boolean hasPermission(Permission permission) {
        return perm.hasPermission(permission);
    }

    public PermissionAttachment addAttachment(Plugin plugin, String name, boolean value) {
        return perm.addAttachment(plugin, name, value);
    }

    public PermissionAttachment addAttachment(Plugin plugin) {
        return perm.addAttachment(plugin);
    }

    public PermissionAttachment addAttachment(Plugin plugin, String name, boolean value, int ticks) {
        return perm.addAttachment(plugin, name, value, ticks);
    }

    public PermissionAttachment addAttachment(Plugin plugin, int ticks) {
        return perm.addAttachment(plugin, ticks);
    }

    public void removeAttachment(PermissionAttachment attachment) {
        perm.removeAttachment(attachment);
    }

    public void recalculatePermissions() {
        perm.recalculatePermissions();
    }

    public Set<PermissionAttachmentInfo> getEffectivePermissions() {
        return perm.getEffectivePermissions();
    }
}
