package org.bukkit.event.entity;

import java.util.List;

import org.bukkit.entity.Player;
import org.bukkit.inventory.ItemStack;

/**
 * A player dies. The death message goes to everyone (none when set to null or empty); with keep
 * level he keeps his experience, else he respawns with the new level and experience.
 */
public class PlayerDeathEvent extends EntityDeathEvent {
    private String deathMessage;
    private int newExp;
    private int newLevel;
    private int newTotalExp;
    private boolean keepLevel;

    public PlayerDeathEvent(final Player player, final List<ItemStack> drops, final int droppedExp, final String deathMessage) {
        this(player, drops, droppedExp, 0, deathMessage);
    }

    public PlayerDeathEvent(final Player player, final List<ItemStack> drops, final int droppedExp, final int newExp, final String deathMessage) {
        this(player, drops, droppedExp, newExp, 0, 0, deathMessage);
    }

    public PlayerDeathEvent(final Player player, final List<ItemStack> drops, final int droppedExp, final int newExp, final int newTotalExp, final int newLevel, final String deathMessage) {
        super(player, drops, droppedExp);
        this.newExp = newExp;
        this.newTotalExp = newTotalExp;
        this.newLevel = newLevel;
        this.deathMessage = deathMessage;
    }

    public String getDeathMessage() {
        return deathMessage;
    }

    public void setDeathMessage(final String deathMessage) {
        this.deathMessage = deathMessage;
    }

    public int getNewExp() {
        return newExp;
    }

    public void setNewExp(final int newExp) {
        this.newExp = newExp;
    }

    public int getNewLevel() {
        return newLevel;
    }

    public void setNewLevel(final int newLevel) {
        this.newLevel = newLevel;
    }

    public int getNewTotalExp() {
        return newTotalExp;
    }

    public void setNewTotalExp(final int newTotalExp) {
        this.newTotalExp = newTotalExp;
    }

    public boolean getKeepLevel() {
        return keepLevel;
    }

    public void setKeepLevel(final boolean keepLevel) {
        this.keepLevel = keepLevel;
    }

    @Override
    public Player getEntity() {
        return (Player) entity;
    }

}
