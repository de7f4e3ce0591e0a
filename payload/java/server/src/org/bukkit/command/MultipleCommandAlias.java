package org.bukkit.command;

/** An alias that runs several commands in turn, each with the arguments given to it. */
public class MultipleCommandAlias extends Command {
    private Command[] commands;

    public MultipleCommandAlias(String name, Command[] commands) {
        super(name);
        this.commands = commands;
    }

    public Command[] getCommands() {
        return commands;
    }

    /** True when every command ran. */
    @Override
    public boolean execute(CommandSender sender, String commandLabel, String[] args) {
        boolean result = true;
        for (Command command : commands) {
            result &= command.execute(sender, commandLabel, args);
        }
        return result;
    }
}
