package org.bukkit.command;

import java.util.ArrayList;
import java.util.Collection;
import java.util.Collections;
import java.util.LinkedHashMap;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Map;
import java.util.regex.Pattern;

import org.bukkit.Server;

/**
 * Commands by lower-case label. A command is always known as "prefix:label"; its plain label
 * and aliases go to the first command that asks for them. Guarded by its own lock, as players'
 * chat threads and the game thread both look commands up.
 */
public class SimpleCommandMap implements CommandMap {
    private static final Pattern PATTERN_ON_SPACE = Pattern.compile(" ", Pattern.LITERAL);
    protected final Map<String, Command> knownCommands = Collections.synchronizedMap(new LinkedHashMap<String, Command>());
    private final Server server;

    public SimpleCommandMap(final Server server) {
        this.server = server;
    }

    /** The server's own commands are not Command objects of this map here: none to fall back on. */
    public void setFallbackCommands() {
    }

    /**
     * Registers the server's command aliases (Server.getCommandAliases) as commands that run
     * what each stands for; an alias whose commands are all unknown is left out.
     */
    public void registerServerAliases() {
        java.util.Map<String, String[]> values = server.getCommandAliases();
        for (java.util.Map.Entry<String, String[]> e : values.entrySet()) {
            String alias = e.getKey();
            if (alias.contains(":") || alias.contains(" ")) {
                continue;
            }
            List<String> targets = new java.util.ArrayList<String>();
            for (String line : e.getValue()) {
                String first = line.split(" ", 2)[0];
                if (getCommand(first) != null) {
                    targets.add(line);
                }
            }
            if (!targets.isEmpty()) {
                knownCommands.put(alias.toLowerCase(), new FormattedCommandAlias(alias.toLowerCase(),
                        targets.toArray(new String[targets.size()])));
            } else {
                knownCommands.remove(alias.toLowerCase());
            }
        }
    }

    public void registerAll(String fallbackPrefix, List<Command> commands) {
        if (commands != null) {
            for (Command c : commands) {
                register(fallbackPrefix, c);
            }
        }
    }

    public boolean register(String fallbackPrefix, Command command) {
        return register(command.getName(), fallbackPrefix, command);
    }

    /** True when the command got its plain label (false when another command had it already). */
    public boolean register(String label, String fallbackPrefix, Command command) {
        label = label.toLowerCase().trim();
        fallbackPrefix = fallbackPrefix.toLowerCase().trim();
        boolean registered;
        synchronized (knownCommands) {
            registered = register(label, command, false);
            knownCommands.put(fallbackPrefix + ":" + label, command);
            for (String alias : command.getAliases()) {
                register(alias.toLowerCase().trim(), command, true);
            }
            if (!registered) {
                command.setLabel(fallbackPrefix + ":" + label);
            }
        }
        command.register(this);
        return registered;
    }

    private boolean register(String label, Command command, boolean isAlias) {
        if (label.length() == 0 || knownCommands.containsKey(label)) {
            // the first command to ask for a label keeps it
            return false;
        }
        knownCommands.put(label, command);
        return true;
    }

    /** Runs the command of the line's first word; false when there is no such command. */
    public boolean dispatch(CommandSender sender, String commandLine) throws CommandException {
        String[] args = PATTERN_ON_SPACE.split(commandLine);
        if (args.length == 0) {
            return false;
        }
        String sentCommandLabel = args[0].toLowerCase();
        Command target = getCommand(sentCommandLabel);
        if (target == null) {
            return false;
        }
        String[] rest = new String[args.length - 1];
        System.arraycopy(args, 1, rest, 0, rest.length);
        try {
            target.execute(sender, sentCommandLabel, rest);
        } catch (CommandException ex) {
            throw ex;
        } catch (Throwable ex) {
            throw new CommandException("Unhandled exception executing '" + commandLine + "' in " + target, ex);
        }
        return true;
    }

    public void clearCommands() {
        synchronized (knownCommands) {
            for (Command c : new LinkedHashSet<Command>(knownCommands.values())) {
                c.unregister(this);
            }
            knownCommands.clear();
        }
    }

    public Command getCommand(String name) {
        return knownCommands.get(name.toLowerCase());
    }

    /** Every distinct command registered. */
    public Collection<Command> getCommands() {
        synchronized (knownCommands) {
            return Collections.unmodifiableCollection(new LinkedHashSet<Command>(knownCommands.values()));
        }
    }

    /** The labels of the line's first word so far (with a "/" when the line has one), or the command's own completion. */
    public List<String> tabComplete(CommandSender sender, String cmdLine) {
        if (sender == null || cmdLine == null) {
            throw new IllegalArgumentException("Sender and command line cannot be null");
        }
        int spaceIndex = cmdLine.indexOf(' ');
        if (spaceIndex == -1) {
            List<String> completions = new ArrayList<String>();
            String prefix = cmdLine.startsWith("/") ? "/" : "";
            String typed = cmdLine.substring(prefix.length()).toLowerCase();
            synchronized (knownCommands) {
                for (Map.Entry<String, Command> e : knownCommands.entrySet()) {
                    if (e.getKey().startsWith(typed) && e.getValue().testPermissionSilent(sender)) {
                        completions.add(prefix + e.getKey());
                    }
                }
            }
            Collections.sort(completions, String.CASE_INSENSITIVE_ORDER);
            return completions;
        }
        String commandName = cmdLine.substring(0, spaceIndex);
        if (commandName.startsWith("/")) {
            commandName = commandName.substring(1);
        }
        Command target = getCommand(commandName);
        if (target == null || !target.testPermissionSilent(sender)) {
            return null;
        }
        String[] args = PATTERN_ON_SPACE.split(cmdLine.substring(spaceIndex + 1, cmdLine.length()), -1);
        try {
            return target.tabComplete(sender, commandName, args);
        } catch (CommandException ex) {
            throw ex;
        } catch (Throwable ex) {
            throw new CommandException("Unhandled exception executing tab-completer for '" + cmdLine + "' in "
                    + target, ex);
        }
    }

    public Server getServer() {
        return server;
    }
}
