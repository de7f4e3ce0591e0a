package org.bukkit.command.defaults;

import org.bukkit.ChatColor;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;
import org.bukkit.potion.PotionEffect;
import org.bukkit.potion.PotionEffectType;

/**
 * /effect: a status effect for some seconds (30 unless said; an instant one acts once), at an
 * amplifier; 0 seconds takes it away, "clear" takes them all.
 */
public class EffectCommand extends GameCommand {
    public EffectCommand() {
        super("effect", "Adds/Removes effects on players", "/effect <player> <effect|clear> [seconds] [amplifier]",
                "bukkit.command.effect");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() < 2) {
            throw new Words.Refusal(usageMessage);
        }
        Player target = words.player(0, false, ChatColor.RED + "Player, {}, not found");
        String name = words.get(0);
        if (words.get(1).equalsIgnoreCase("clear")) {
            for (PotionEffect active : target.getActivePotionEffects()) {
                target.removePotionEffect(active.getType());
            }
            sender.sendMessage("Took all effects from " + name);
            return;
        }
        PotionEffectType type = PotionEffectType.getByName(words.get(1));
        if (type == null) {
            type = PotionEffectType.getById(Words.number(words.get(1), 0, Integer.MAX_VALUE));
        }
        if (type == null) {
            throw new Words.Refusal(ChatColor.RED + "Effect, " + words.get(1) + ", not found");
        }
        int seconds = words.has(2) ? words.number(2, 0, 1000000) : 30;
        int amplifier = words.has(3) ? words.number(3, 0, 255) : 0;
        if (seconds == 0) {
            if (!target.hasPotionEffect(type)) {
                throw new Words.Refusal("Couldn't take " + type.getName() + " from " + name
                        + " as they do not have the effect");
            }
            target.removePotionEffect(type);
            broadcastCommandMessage(sender, "Took " + type.getName() + " from " + name);
            return;
        }
        // an instant effect acts once: its "seconds" are ticks, one when none are said
        int ticks = type.isInstant() ? (words.has(2) ? seconds : 1) : seconds * 20;
        target.addPotionEffect(new PotionEffect(type, ticks, amplifier), true);
        broadcastCommandMessage(sender, String.format("Given %s (ID %d) * %d to %s for %d seconds", type.getName(),
                type.getId(), amplifier, name, seconds));
    }
}
