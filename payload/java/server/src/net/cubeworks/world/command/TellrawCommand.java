package net.cubeworks.world.command;

import java.util.ArrayList;

import org.bukkit.ChatColor;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;

import com.google.gson.JsonElement;
import com.google.gson.JsonParseException;
import com.google.gson.JsonParser;

import net.cubeworks.world.game.Game;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * The game's /tellraw: a chat line in the game's JSON form (colours, clicks, hovers) to one
 * player. It is the game's own command, not one of Bukkit's, so it is our class.
 */
final class TellrawCommand extends Command {
    private final Game game;

    TellrawCommand(Game game) {
        super("tellraw", "Sends a JSON message to a player", "/tellraw <player> <raw json message>",
                new ArrayList<String>());
        setPermission("bukkit.command.tellraw");
        this.game = game;
    }

    @Override
    public boolean execute(CommandSender sender, String label, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        if (args.length < 2) {
            sender.sendMessage(ChatColor.RED + "Usage: " + usageMessage);
            return false;
        }
        OnlinePlayer target = game.players().findExact(args[0]);
        if (target == null) {
            sender.sendMessage(BuiltinCommands.PLAYER_NOT_FOUND);
            return true;
        }
        StringBuilder text = new StringBuilder();
        for (int i = 1; i < args.length; i++) {
            text.append(i > 1 ? " " : "").append(args[i]);
        }
        JsonElement json;
        try {
            json = new JsonParser().parse(text.toString());
        } catch (JsonParseException ex) {
            Throwable cause = ex.getCause() != null ? ex.getCause() : ex;
            sender.sendMessage(ChatColor.RED + "There was an error parsing the json: " + cause.getMessage());
            return true;
        }
        if (json == null || json.isJsonNull()) {
            sender.sendMessage(ChatColor.RED + "There was an error parsing the json: nothing to send");
            return true;
        }
        target.connection().send(PlayPackets.chat(json.toString()));
        return true;
    }
}
