package org.bukkit.command.defaults;

import java.io.File;
import java.io.IOException;
import java.util.ArrayList;

import org.bukkit.Bukkit;
import org.bukkit.ChatColor;
import org.bukkit.command.CommandSender;
import org.bukkit.event.Event;
import org.bukkit.event.EventException;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.Plugin;
import org.bukkit.plugin.PluginManager;
import org.bukkit.plugin.RegisteredListener;
import org.bukkit.plugin.SimplePluginManager;
import org.bukkit.plugin.TimedRegisteredListener;

/**
 * /timings: how long each plugin's listeners took, written to timings/timings.txt ("merged", or
 * "separate" with the plugins' names in a file of their own); "reset" starts counting anew. The
 * real server reads whether to time from bukkit.yml, which this one has not: "on" and "off" switch
 * it, the listeners already registered included.
 */
public class TimingsCommand extends BukkitCommand {
    public TimingsCommand(String name) {
        super(name);
        this.description = "Records timings for all plugin events";
        this.usageMessage = "/timings <reset|merged|separate|on|off>";
        this.setPermission("bukkit.command.timings");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String currentAlias, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        if (args.length != 1) {
            sender.sendMessage(ChatColor.RED + "Usage: " + usageMessage);
            return false;
        }
        PluginManager manager = Bukkit.getPluginManager();
        if ("on".equals(args[0]) || "off".equals(args[0])) {
            boolean on = "on".equals(args[0]);
            if (manager instanceof SimplePluginManager) {
                ((SimplePluginManager) manager).useTimings(on);
            }
            retime(on);
            sender.sendMessage(on ? "Enabled Timings" : "Disabled Timings");
            return true;
        }
        if (!manager.useTimings()) {
            sender.sendMessage("Please enable timings by typing /timings on");
            return true;
        }
        boolean separate = "separate".equals(args[0]);
        if ("reset".equals(args[0])) {
            for (HandlerList handlerList : HandlerList.getHandlerLists()) {
                for (RegisteredListener listener : handlerList.getRegisteredListeners()) {
                    if (listener instanceof TimedRegisteredListener) {
                        ((TimedRegisteredListener) listener).reset();
                    }
                }
            }
            sender.sendMessage("Timings reset");
        } else if ("merged".equals(args[0]) || separate) {
            write(sender, separate);
        } else {
            sender.sendMessage(ChatColor.RED + "Usage: " + usageMessage);
            return false;
        }
        return true;
    }

    /** Registers every listener again, timed or not. */
    private static void retime(boolean timed) {
        for (HandlerList handlerList : HandlerList.getHandlerLists()) {
            for (final RegisteredListener listener : handlerList.getRegisteredListeners()) {
                RegisteredListener again;
                if (timed && !(listener instanceof TimedRegisteredListener)) {
                    again = new TimedRegisteredListener(listener.getListener(), new EventExecutor() {
                        public void execute(Listener l, Event event) throws EventException {
                            listener.callEvent(event);
                        }
                    }, listener.getPriority(), listener.getPlugin(), false);
                } else if (!timed && listener instanceof Wrapped) {
                    again = ((Wrapped) listener).original;
                } else {
                    continue;
                }
                if (timed) {
                    again = new Wrapped(listener, (TimedRegisteredListener) again);
                }
                handlerList.unregister(listener);
                handlerList.register(again);
            }
        }
    }

    /** A listener timed after it was registered: the timed one, which knows the original. */
    private static final class Wrapped extends TimedRegisteredListener {
        final RegisteredListener original;
        private final TimedRegisteredListener timed;

        Wrapped(RegisteredListener original, TimedRegisteredListener timed) {
            super(original.getListener(), new EventExecutor() {
                public void execute(Listener l, Event event) {
                }
            }, original.getPriority(), original.getPlugin(), false);
            this.original = original;
            this.timed = timed;
        }

        @Override
        public void callEvent(Event event) throws EventException {
            timed.callEvent(event);
        }

        @Override
        public void reset() {
            timed.reset();
        }

        @Override
        public int getCount() {
            return timed.getCount();
        }

        @Override
        public long getTotalTime() {
            return timed.getTotalTime();
        }

        @Override
        public Class<? extends Event> getEventClass() {
            return timed.getEventClass();
        }

        @Override
        public boolean hasMultiple() {
            return timed.hasMultiple();
        }
    }

    /**
     * timings/timingsN.txt (the first N free, none for the first): for each plugin its listeners'
     * event classes with their time, count and average in nanoseconds, and its total; "separate"
     * numbers the plugins and puts their names in namesN.txt.
     */
    private static void write(CommandSender sender, boolean separate) {
        File folder = new File("timings");
        folder.mkdirs();
        int n = 0;
        while (new File(folder, n == 0 ? "timings.txt" : "timings" + n + ".txt").exists()) {
            n++;
        }
        File timings = new File(folder, n == 0 ? "timings.txt" : "timings" + n + ".txt");
        File names = new File(folder, "names" + n + ".txt");
        StringBuilder out = new StringBuilder();
        StringBuilder nameLines = new StringBuilder();
        String nl = System.getProperty("line.separator");
        int number = 0;
        for (Plugin plugin : Bukkit.getPluginManager().getPlugins()) {
            number++;
            if (separate) {
                nameLines.append(number).append(' ').append(plugin.getDescription().getFullName()).append(nl);
                out.append("Plugin ").append(number).append(nl);
            } else {
                out.append(plugin.getDescription().getFullName()).append(nl);
            }
            long total = 0;
            for (RegisteredListener listener : HandlerList.getRegisteredListeners(plugin)) {
                if (!(listener instanceof TimedRegisteredListener)) {
                    continue;
                }
                TimedRegisteredListener timed = (TimedRegisteredListener) listener;
                if (timed.getCount() == 0 || timed.getEventClass() == null) {
                    continue;
                }
                total += timed.getTotalTime();
                out.append("    ").append(timed.getEventClass().getSimpleName())
                        .append(timed.hasMultiple() ? " (and sub-classes)" : "")
                        .append(" Time: ").append(timed.getTotalTime()).append(" Count: ").append(timed.getCount())
                        .append(" Avg: ").append(timed.getTotalTime() / timed.getCount()).append(nl);
            }
            out.append("    Total time ").append(total).append(" (").append(total / 1000000000L).append("s)").append(nl);
        }
        try {
            java.nio.file.Files.write(timings.toPath(), out.toString().getBytes("UTF-8"));
            sender.sendMessage("Timings written to " + timings.getPath());
            if (separate) {
                java.nio.file.Files.write(names.toPath(), nameLines.toString().getBytes("UTF-8"));
                sender.sendMessage("Names written to " + names.getPath());
            }
        } catch (IOException e) {
            sender.sendMessage(ChatColor.RED + "Could not write the timings: " + e.getMessage());
        }
    }
}
