package org.bukkit.command.defaults;

import java.io.File;
import java.io.IOException;
import java.io.PrintStream;
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

    private static void write(CommandSender sender, boolean separate) {
        int index = 0;
        int fileNumber = 1;
        File timingFolder = new File("timings");
        timingFolder.mkdirs();
        File timings = new File(timingFolder, "timings.txt");
        File names = null;
        while (timings.exists()) {
            timings = new File(timingFolder, "timings" + (++index) + ".txt");
        }
        PrintStream fileTimings = null;
        PrintStream fileNames = null;
        try {
            fileTimings = new PrintStream(timings);
            if (separate) {
                names = new File(timingFolder, "names" + index + ".txt");
                fileNames = new PrintStream(names);
            }
            for (Plugin plugin : Bukkit.getPluginManager().getPlugins()) {
                long totalTime = 0;
                if (separate) {
                    fileNames.println(fileNumber + " " + plugin.getDescription().getFullName());
                    fileTimings.println("Plugin " + fileNumber);
                } else {
                    fileTimings.println(plugin.getDescription().getFullName());
                }
                for (RegisteredListener listener : HandlerList.getRegisteredListeners(plugin)) {
                    if (listener instanceof TimedRegisteredListener) {
                        TimedRegisteredListener trl = (TimedRegisteredListener) listener;
                        long time = trl.getTotalTime();
                        int count = trl.getCount();
                        if (count == 0) {
                            continue;
                        }
                        long avg = time / count;
                        totalTime += time;
                        Class<? extends Event> eventClass = trl.getEventClass();
                        if (eventClass != null) {
                            fileTimings.println("    " + eventClass.getSimpleName() + (trl.hasMultiple()
                                    ? " (and sub-classes)" : "") + " Time: " + time + " Count: " + count + " Avg: " + avg);
                        }
                    }
                }
                fileTimings.println("    Total time " + totalTime + " (" + totalTime / 1000000000 + "s)");
                fileNumber++;
            }
            sender.sendMessage("Timings written to " + timings.getPath());
            if (separate) {
                sender.sendMessage("Names written to " + names.getPath());
            }
        } catch (IOException e) {
            sender.sendMessage(ChatColor.RED + "Could not write the timings: " + e.getMessage());
        } finally {
            if (fileTimings != null) {
                fileTimings.close();
            }
            if (fileNames != null) {
                fileNames.close();
            }
        }
    }
}
