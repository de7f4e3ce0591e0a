package org.bukkit.command.defaults;

import java.util.ArrayList;

import org.bukkit.ChatColor;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

/** /effect: gives a player a status effect for some seconds, takes one, or clears them all. */
public class EffectCommand extends VanillaCommand {
    public EffectCommand() {
        super("effect");
        this.description = "Adds/Removes effects on players";
        this.usageMessage = "/effect <player> <effect|clear> [seconds] [amplifier]";
        this.setPermission("bukkit.command.effect");
        this.setAliases(new ArrayList<String>());
    }

    @Override
    public boolean execute(CommandSender sender, String commandLabel, String[] args) {
        if (!testPermission(sender)) {
            return true;
        }
        if (args.length < 2) {
            sender.sendMessage(getUsage());
            return true;
        }
        final Player player = sender.getServer().getPlayer(args[0]);
        if (player == null) {
            sender.sendMessage(ChatColor.RED + String.format("Player, %s, not found", args[0]));
            return true;
        }
        if ("clear".equalsIgnoreCase(args[1])) {
            for (PotionEffect effect : player.getActivePotionEffects()) {
                player.removePotionEffect(effect.getType());
            }
            sender.sendMessage(String.format("Took all effects from %s", args[0]));
            return true;
        }
        PotionEffectType effect = PotionEffectType.getByName(args[1]);
        if (effect == null) {
            effect = PotionEffectType.getById(getInteger(sender, args[1], 0));
        }
        if (effect == null) {
            sender.sendMessage(ChatColor.RED + String.format("Effect, %s, not found", args[1]));
            return true;
        }
        int duration = 600;
        int durationSeconds = 30;
        int amplification = 0;
        if (args.length >= 3) {
            durationSeconds = getInteger(sender, args[2], 0, 1000000);
            duration = effect.isInstant() ? durationSeconds : durationSeconds * 20;
        } else if (effect.isInstant()) {
            duration = 1;
        }
        if (args.length >= 4) {
            amplification = getInteger(sender, args[3], 0, 255);
        }
        if (durationSeconds == 0) {
            if (!player.hasPotionEffect(effect)) {
                sender.sendMessage(String.format("Couldn't take %s from %s as they do not have the effect",
                        effect.getName(), args[0]));
                return true;
            }
            player.removePotionEffect(effect);
            broadcastCommandMessage(sender, String.format("Took %s from %s", effect.getName(), args[0]));
        } else {
            player.addPotionEffect(new PotionEffect(effect, duration, amplification), true);
            broadcastCommandMessage(sender, String.format("Given %s (ID %d) * %d to %s for %d seconds", effect.getName(),
                    effect.getId(), amplification, args[0], durationSeconds));
        }
        return true;
    }
}
