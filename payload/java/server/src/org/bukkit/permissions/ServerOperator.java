package org.bukkit.permissions;

/** Something that can be a server operator. */
public interface ServerOperator {
    boolean isOp();

    void setOp(boolean value);
}
