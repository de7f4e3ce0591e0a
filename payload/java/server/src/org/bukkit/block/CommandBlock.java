package org.bukkit.block;

/** A command block: the command it runs when powered, and the name it runs it as. */
public interface CommandBlock extends BlockState {
    String getCommand();

    void setCommand(String command);

    String getName();

    void setName(String name);
}
