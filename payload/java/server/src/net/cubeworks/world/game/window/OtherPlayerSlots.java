package net.cubeworks.world.game.window;

import java.util.HashSet;
import java.util.Set;

import net.cubeworks.world.game.item.ContainerSlots;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;

/**
 * Another player's inventory shown as a window of four chest rows (the hot bar first, as the
 * plugin API numbers it): a click there moves the owner's items, and the owner and everybody
 * else looking are shown the change.
 */
public final class OtherPlayerSlots implements ContainerSlots {
    private final Players players;
    private final Windows windows;
    final OnlinePlayer owner;

    public OtherPlayerSlots(Players players, Windows windows, OnlinePlayer owner) {
        this.players = players;
        this.windows = windows;
        this.owner = owner;
    }

    public int size() {
        return PlayerInventory.API_SLOTS;
    }

    private int slot(int index) {
        return PlayerInventory.slotOfApiIndex(index);
    }

    public int item(int index) {
        return owner.inventory().item(slot(index));
    }

    public int count(int index) {
        return owner.inventory().count(slot(index));
    }

    public int data(int index) {
        return owner.inventory().data(slot(index));
    }

    public Object tag(int index) {
        return owner.inventory().tag(slot(index));
    }

    public void set(int index, int itemId, int amount, int itemData, Object itemTag) {
        owner.inventory().set(slot(index), itemId, amount, itemData, itemTag);
    }

    public void changedBy(org.bukkit.entity.HumanEntity viewer) {
        if (owner.isOnline() && owner != viewer) {
            owner.sendInventory();
        }
        Set<OnlinePlayer> seen = new HashSet<OnlinePlayer>();
        for (OnlinePlayer p : players.inJoinOrder()) {
            Window w = p.inventory().open;
            if (p != viewer && w.container instanceof OtherPlayerSlots && ((OtherPlayerSlots) w.container).owner == owner
                    && seen.add(p)) {
                windows.resend(p);
            }
        }
    }
}
