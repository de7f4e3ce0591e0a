package org.bukkit.permissions;

/** Told when a permission attachment is removed from its holder. */
public interface PermissionRemovedExecutor {
    void attachmentRemoved(PermissionAttachment attachment);
}
