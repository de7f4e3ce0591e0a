package org.bukkit.command.defaults;

import org.bukkit.Bukkit;
import org.bukkit.command.CommandSender;
import org.bukkit.entity.Player;
import org.bukkit.event.entity.EntityDamageEvent;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;

/** /kill: the player who types it dies, as a suicide the plugins may cancel. */
public class KillCommand extends GameCommand {
    public KillCommand() {
        super("kill", "Commits suicide, only usable as a player", "/kill", "bukkit.command.kill");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (!(sender instanceof Player)) {
            throw new Words.Refusal("You can only perform this command as a player");
        }
        Player self = (Player) sender;
        EntityDamageEvent suicide = new EntityDamageEvent(self, DamageCause.SUICIDE, 1000.0);
        Bukkit.getPluginManager().callEvent(suicide);
        if (suicide.isCancelled()) {
            return;
        }
        self.setLastDamageCause(suicide);
        self.setHealth(0);
        sender.sendMessage("Ouch. That look like it hurt.");
    }
}
