package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.Collection;
import java.util.List;
import java.util.Random;

import net.cubeworks.world.game.event.ItemEvents;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.protocol.PacketOut;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * Players collecting the items on the ground within a block of them, once an item's pickup delay
 * is over and, for a stack another player threw, its owner's time has passed: as much as fits
 * their inventory, once the plugins let them, the collection shown to everybody who sees the
 * item and its pop heard near the player.
 */
final class ItemPickup {
    /** Sideways, an item is collected by a player within this of his box (the game's reach of a block). */
    static final double REACH_ACROSS = 0.3 + 1.0 + ItemEntity.HALF;

    private final GameHost host;
    private final GroundItems.Viewers viewers;
    private final Random random;

    ItemPickup(GameHost host, GroundItems.Viewers viewers, Random random) {
        this.host = host;
        this.viewers = viewers;
        this.random = random;
    }

    /** The player collects the items within his reach (a plain look over all: cheaper than a grid each tick). */
    void collect(Collector c, Collection<ItemEntity> live) {
        WorldEntity body = c.body();
        List<ItemEntity> near = null;
        for (ItemEntity item : live) {
            if (Math.abs(item.x - body.x) < REACH_ACROSS && Math.abs(item.z - body.z) < REACH_ACROSS) {
                if (near == null) {
                    near = new ArrayList<ItemEntity>(4);
                }
                near.add(item);
            }
        }
        if (near == null) {
            return;
        }
        for (ItemEntity item : near) {
            if (item.isRemoved() || item.pickupDelay != 0 || Math.abs(item.x - body.x) >= REACH_ACROSS
                    || Math.abs(item.z - body.z) >= REACH_ACROSS || item.y + ItemEntity.HALF <= body.y - 0.5
                    || item.y - ItemEntity.HALF >= body.y + 1.8 + 0.5) {
                continue;
            }
            if (item.owner != null && ItemEntity.LIFETIME - item.age > 200 && !item.owner.equals(c.player().getName())) {
                continue;
            }
            pickUp(c, item);
        }
    }

    /** How many of the item's stack fit the inventory. */
    static int fits(PlayerInventory inv, ItemEntity item) {
        return Math.min(item.count(), inv.room(item.itemId(), item.data(), item.tag()));
    }

    /** The player takes what fits of the item, once the plugins let him; everybody who sees it sees it go to him. */
    void pickUp(Collector c, ItemEntity item) {
        int fit = fits(c.inventory(), item);
        if (fit <= 0) {
            return;
        }
        if (!ItemEvents.pickup(host, c.player(), item, item.count() - fit)) {
            return;
        }
        if (item.isRemoved() || item.count() <= 0) {
            return; // a plugin took it meanwhile
        }
        fit = Math.min(fit, fits(c.inventory(), item));
        List<Integer> changed = new ArrayList<Integer>();
        c.inventory().give(item.itemId(), fit, item.data(), item.tag(), changed);
        c.slotsChanged(changed);
        PacketOut collect = PlayPackets.collectItem(item.getEntityId(), c.body().getEntityId());
        viewers.toViewers(item, collect);
        c.send(collect);
        float pitch = ((random.nextFloat() - random.nextFloat()) * 0.7f + 1f) * 2f;
        viewers.near(c.body().x, c.body().y, c.body().z, 16, PlayPackets.namedSoundEffect("random.pop",
                c.body().x, c.body().y, c.body().z, 0.2f, pitch));
        int left = item.count() - fit;
        item.setStack(left > 0 ? item.itemId() : 0, left, item.data(), item.tag());
    }
}
