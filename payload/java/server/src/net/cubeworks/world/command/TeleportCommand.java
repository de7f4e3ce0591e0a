package net.cubeworks.world.command;

import java.util.Locale;

import org.bukkit.command.CommandSender;

import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Teleport;

/**
 * "tp [player] &lt;target player&gt;" and "tp [player] &lt;x&gt; &lt;y&gt; &lt;z&gt;": moves a
 * player (the sender when not named) to another player, or to a place. A coordinate starting
 * with "~" is relative to where the player is; a whole x or z without "~" means the middle
 * of that block.
 */
final class TeleportCommand {
    static final String USAGE = "/tp [target player] <destination player> OR /tp [target player] <x> <y> <z>";
    static final String WHICH_PLAYER = "\u00a7cYou must specify which player you wish to perform this action on.";
    /** How far out x and z may be, as the game allows. */
    static final double LIMIT = 30000000;

    private final Game game;

    TeleportCommand(Game game) {
        this.game = game;
    }

    void run(CommandSender sender, String[] args) {
        if (args.length < 1 || args.length > 4) {
            sender.sendMessage("\u00a7cUsage: " + USAGE);
            return;
        }
        OnlinePlayer target;
        if (args.length == 2 || args.length == 4) {
            target = game.players().findExact(args[0]);
            if (target == null) {
                sender.sendMessage(BuiltinCommands.PLAYER_NOT_FOUND);
                return;
            }
        } else if (sender instanceof OnlinePlayer) {
            target = (OnlinePlayer) sender;
        } else {
            sender.sendMessage(WHICH_PLAYER);
            return;
        }
        Teleport teleport = game.world().teleport();
        double[] from = teleport.where(target);
        if (args.length <= 2) {
            OnlinePlayer destination = game.players().findExact(args[args.length - 1]);
            if (destination == null) {
                sender.sendMessage(BuiltinCommands.PLAYER_NOT_FOUND);
                return;
            }
            double[] to = teleport.where(destination);
            if (teleport.to(target, to[0], to[1], to[2], (float) to[3], (float) to[4])) {
                sender.sendMessage("Teleported " + target.getName() + " to " + destination.getName());
            }
            return;
        }
        int i = args.length - 3;
        Double x = coordinate(sender, from[0], args[i], true);
        Double y = x == null ? null : coordinate(sender, from[1], args[i + 1], false);
        Double z = y == null ? null : coordinate(sender, from[2], args[i + 2], true);
        if (z == null) {
            return;
        }
        if (teleport.to(target, x, y, z, (float) from[3], (float) from[4])) {
            sender.sendMessage(String.format(Locale.ROOT, "Teleported %s to %.2f, %.2f, %.2f", target.getName(), x, y, z));
        } else {
            sender.sendMessage("\u00a7cCannot teleport " + target.getName() + " there");
        }
    }

    /**
     * One coordinate: a number, "~" for the base, or "~" and a number added to it; x and z
     * (centred) are kept within the game's limit. Null after telling the sender what is wrong.
     */
    static Double coordinate(CommandSender sender, double base, String s, boolean centred) {
        boolean relative = s.startsWith("~");
        double v = relative ? base : 0;
        String number = relative ? s.substring(1) : s;
        if (!relative || number.length() > 0) {
            double d;
            try {
                d = Double.parseDouble(number);
            } catch (NumberFormatException ex) {
                d = Double.NaN;
            }
            if (Double.isNaN(d) || Double.isInfinite(d) || number.endsWith("d") || number.endsWith("f")
                    || number.endsWith("D") || number.endsWith("F")) {
                sender.sendMessage(Numbers.notANumber(number));
                return null;
            }
            v += d;
            if (centred && !relative && !number.contains(".")) {
                v += 0.5;
            }
        }
        if (centred && v < -LIMIT) {
            sender.sendMessage(String.format(Locale.ROOT,
                    "\u00a7cThe number you have entered (%.2f) is too small, it must be at least %.2f", v, -LIMIT));
            return null;
        }
        if (centred && v > LIMIT) {
            sender.sendMessage(String.format(Locale.ROOT,
                    "\u00a7cThe number you have entered (%.2f) is too big, it must be at most %.2f", v, LIMIT));
            return null;
        }
        return v;
    }
}
