package net.cubeworks.world.game.entity;

import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

import net.cubeworks.world.game.item.ApiItems;
import net.cubeworks.world.game.item.PlayerInventory;

/**
 * What a player's hands and death put on the ground: a stack thrown ahead of him (at most
 * {@link GroundItems#THROWS_PER_SECOND} a second, the plugins asked), a refused one given back to
 * him, and a dead player's things, taken out of every slot and spread around where he fell.
 */
final class PlayerThrows {
    private final GroundItems ground;
    /** Throws this second, by player name, and the second they count for. */
    private final Map<String, Integer> throwsThisSecond = new HashMap<String, Integer>();
    private long throwSecond = -1;

    PlayerThrows(GroundItems ground) {
        this.ground = ground;
    }

    /** Whether the player may throw another item this second, counting it when he may. */
    boolean mayThrow(String name, long tick) {
        long second = tick / 20;
        if (second != throwSecond) {
            throwSecond = second;
            throwsThisSecond.clear();
        }
        Integer n = throwsThisSecond.get(name);
        int now = n == null ? 0 : n;
        if (now >= GroundItems.THROWS_PER_SECOND) {
            return false;
        }
        throwsThisSecond.put(name, now + 1);
        return true;
    }

    /** See {@link GroundItems#playerThrow}. */
    boolean playerThrow(Collector c, int itemId, int count, int data, Object tag, long tick) {
        if (itemId <= 0 || count <= 0) {
            return false;
        }
        WorldEntity body = c.body();
        String name = c.player().getName();
        if (mayThrow(name, tick)) {
            ItemEntity item = ground.throwFrom(body, body.y + PlayerBody.EYE_HEIGHT, name, itemId, count, data, tag,
                    false);
            if (item != null && ground.dropAllowed(c.player(), item)) {
                return true;
            }
        }
        giveBack(c, itemId, count, data, tag);
        return false;
    }

    /** See {@link GroundItems#giveBack}. */
    void giveBack(Collector c, int itemId, int count, int data, Object tag) {
        PlayerInventory inv = c.inventory();
        List<Integer> changed = new ArrayList<Integer>();
        int left = inv.give(itemId, count, data, tag, changed);
        if (left > 0 && inv.count(PlayerInventory.CURSOR) == 0 && inv.open != inv.own) {
            inv.set(PlayerInventory.CURSOR, itemId, left, data, tag);
            changed.add(PlayerInventory.CURSOR);
            left = 0;
        }
        c.slotsChanged(changed);
        if (left > 0) {
            ground.fallAtFeet(c.body(), c.player().getName(), itemId, left, data, tag);
        }
    }

    /** See {@link GroundItems#takeAll}. */
    static List<org.bukkit.inventory.ItemStack> takeAll(PlayerInventory inv) {
        List<org.bukkit.inventory.ItemStack> out = new ArrayList<org.bukkit.inventory.ItemStack>();
        for (int s = 1; s <= PlayerInventory.CURSOR; s++) {
            if (inv.count(s) > 0 && inv.item(s) > 0) {
                out.add(ApiItems.stack(inv.item(s), inv.count(s), inv.data(s), inv.tag(s)));
            }
            inv.set(s, 0, 0, 0, null);
        }
        inv.own.updateResult();
        return out;
    }

    /** See {@link GroundItems#deathFall}. */
    void deathFall(WorldEntity body, String name, List<org.bukkit.inventory.ItemStack> drops) {
        for (org.bukkit.inventory.ItemStack s : drops) {
            if (s != null && s.getTypeId() > 0 && s.getAmount() > 0) {
                ground.throwFrom(body, body.y + PlayerBody.EYE_HEIGHT, name, s.getTypeId(), s.getAmount(),
                        s.getDurability(), ApiItems.tag(s), true);
            }
        }
    }
}
