package net.cubeworks.world.command;

import org.bukkit.command.CommandSender;

import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.protocol.PlayPackets;

/** "time set &lt;value|day|night&gt;" and "time add &lt;value&gt;": the time of day, told to every client at once. */
final class TimeCommand {
    static final String USAGE = "/time <set|add> <value>";
    static final int DAY = 1000;
    static final int NIGHT = 13000;

    private final Game game;

    TimeCommand(Game game) {
        this.game = game;
    }

    void run(CommandSender sender, String[] args) {
        String what = args.length == 2 ? args[0].toLowerCase(java.util.Locale.ROOT) : "";
        boolean set = what.equals("set");
        if (!set && !what.equals("add")) {
            sender.sendMessage("\u00a7cUsage: " + USAGE);
            return;
        }
        String value = args[1].toLowerCase(java.util.Locale.ROOT);
        long n;
        if (set && value.equals("day")) {
            n = DAY;
        } else if (set && value.equals("night")) {
            n = NIGHT;
        } else {
            Long parsed = Numbers.atLeast(sender, args[1], 0);
            if (parsed == null) {
                return;
            }
            n = parsed;
        }
        LevelState level = game.world().level();
        level.dayTime = set ? n : level.dayTime + n;
        for (OnlinePlayer p : game.players().inJoinOrder()) {
            p.connection().send(PlayPackets.timeUpdate(level.time, level.dayTime));
        }
        sender.sendMessage(set ? "Set the time to " + n : "Added " + n + " to the time");
    }
}
