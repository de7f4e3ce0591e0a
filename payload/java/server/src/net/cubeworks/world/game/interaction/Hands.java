package net.cubeworks.world.game.interaction;

import java.util.function.LongSupplier;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.block.BlockRules;
import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.game.event.ActionEvents;
import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.item.Window;
import net.cubeworks.world.game.player.Combat;
import net.cubeworks.world.game.player.Hunger;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.player.Visibility;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.window.InventoryEvents;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.PlayReads;

/**
 * What a player does with his hands besides digging and placing: the slot in hand, arm swings,
 * clicks on another player, a creative player's slots; and, in the tick, the newest held item and
 * one swing shown to his viewers whatever was sent.
 */
public final class Hands {
    /**
     * Arm swings and held item changes one player may send in one tick before it is kicked.
     * A 1.7 client sends at most one swing in each of its own ticks while it digs, one for
     * each click of its player, and a held item change only when its slot changed, which it
     * checks once a tick: well under a hundred a second. Packets that were held up on the
     * way arrive together, so the bound leaves room for twenty seconds of them at once; a
     * client that sends more in 50 ms is flooding. What the viewers get of these is one
     * swing and one held item a tick whatever is sent, so this bound only spares the game
     * thread the flood.
     */
    static final int RELAYED_PER_TICK = 2000;
    static final String FLOOD_REASON = "Kicked for flooding: too many arm swings or item changes";

    private final Logger logger;
    private final GameHost host;
    private final Players players;
    private final GroundItems items;
    private final LongSupplier currentTick;
    private final Combat combat;
    private final Hunger hunger;
    private final InventoryEvents creative;
    private final Visibility shown;

    public Hands(Logger logger, GameHost host, Players players, GroundItems items, LongSupplier currentTick, Combat combat,
            Hunger hunger, InventoryEvents creative, Visibility shown) {
        this.logger = logger;
        this.host = host;
        this.players = players;
        this.items = items;
        this.currentTick = currentTick;
        this.combat = combat;
        this.hunger = hunger;
        this.creative = creative;
        this.shown = shown;
    }

    /**
     * Counts one packet of the player that its viewers are shown; false (and the player
     * kicked) once it has sent more of them this tick than a client does.
     */
    private boolean countRelayed(OnlinePlayer p) {
        if (!p.isOnline()) {
            return false;
        }
        if (++p.relayedThisTick > RELAYED_PER_TICK) {
            logger.info(p.getName() + " sent " + p.relayedThisTick
                    + " arm swings and held item changes in one tick: kicked");
            players.kick(p, FLOOD_REASON);
            return false;
        }
        return true;
    }

    /** Held Item Change from the client: 0 to 8. */
    public void holdSlot(OnlinePlayer p, int slot) {
        if (countRelayed(p) && slot >= 0 && slot < 9 && slot != p.heldSlot) {
            if (!ActionEvents.heldSlot(host, p, p.heldSlot, slot)) {
                p.connection().send(PlayPackets.heldItemChange(p.heldSlot)); // back to the slot he had
                return;
            }
            p.heldSlot = slot;
            p.showHeldItem();
        }
    }


    /** An arm swing: its viewers are shown one in the next tick, however many came. */
    public void swing(OnlinePlayer p, int animation) {
        if (countRelayed(p) && animation == PlayReads.ANIMATION_SWING_ARM && ActionEvents.swing(host, p)) {
            p.swung = true;
        }
    }

    /**
     * Use Entity: a click on another player the clicker's client shows, within reach (6 blocks,
     * as the game allows a client that lags a little). A right click asks the plugins; a left
     * click is a hit, judged by {@link Combat}.
     */
    public void useEntity(OnlinePlayer p, PlayReads.UseEntity u) {
        if (p.dead || !p.isOnline()) {
            return;
        }
        OnlinePlayer target = null;
        for (net.cubeworks.world.game.entity.WorldEntity q : p.shown) {
            if (q.getEntityId() == u.target && q instanceof OnlinePlayer) {
                target = (OnlinePlayer) q;
                break;
            }
            if (q.getEntityId() == u.target && q instanceof net.cubeworks.world.game.mob.Mob) {
                useMob(p, (net.cubeworks.world.game.mob.Mob) q, u.attack);
                return;
            }
        }
        if (target == null || target.dead) {
            return;
        }
        double dx = target.x - p.x;
        double dy = target.y - p.y;
        double dz = target.z - p.z;
        if (dx * dx + dy * dy + dz * dz > 36) {
            return;
        }
        if (u.attack) {
            combat.hit(p, target);
        } else {
            ActionEvents.interactEntity(host, p, target);
        }
    }

    /**
     * A click on a mob within reach: a left click hits it with the held item's damage; a right
     * click is the mob's to take (food, shears, a bucket), and the held item is used up, worn or
     * filled as it says (a creative player keeps his food).
     */
    private void useMob(OnlinePlayer p, net.cubeworks.world.game.mob.Mob mob, boolean attack) {
        double dx = mob.x - p.x;
        double dy = mob.y - p.y;
        double dz = mob.z - p.z;
        if (mob.dead || dx * dx + dy * dy + dz * dz > 36) {
            return;
        }
        int slot = p.handSlot();
        if (attack) {
            if (mob.hurt(Combat.weaponDamage(p.inventory().item(slot)), p,
                    org.bukkit.event.entity.EntityDamageEvent.DamageCause.ENTITY_ATTACK)) {
                hunger.exhaust(p, Hunger.HIT);
            }
            return;
        }
        if (!ActionEvents.interactMob(host, p, mob)) {
            return;
        }
        switch (mob.interact(p, p.inventory().item(slot), p.inventory().data(slot))) {
            case CONSUME_ONE:
                if (p.getGameMode() != GameMode.CREATIVE) {
                    p.inventory().takeOne(slot);
                }
                break;
            case WEAR_TOOL:
                if (p.getGameMode() != GameMode.CREATIVE) {
                    p.inventory().wear(slot, 1, 238);
                }
                break;
            case MILK:
                if (p.inventory().count(slot) == 1) {
                    p.inventory().set(slot, 335, 1, 0, null);
                } else {
                    p.inventory().takeOne(slot);
                    if (!p.inventory().give(335, 1, 0, new java.util.ArrayList<Integer>())) {
                        p.inventory().set(slot, p.inventory().item(slot), p.inventory().count(slot) + 1, 0, null);
                    }
                    p.sendInventory();
                }
                break;
            default:
                return;
        }
        p.sendSlot(slot);
    }

    /** Creative Inventory Action: the client sets a slot of its inventory. */
    public void creativeSet(OnlinePlayer p, PlayReads.CreativeSlot c) {
        int slot = c.slot;
        if (p.getGameMode() != GameMode.CREATIVE) {
            p.sendInventory();
            return;
        }
        if (slot == -1) {
            creativeThrow(p, c.item.id, c.item.count, c.item.damage);
            return;
        }
        if (slot < 1 || slot >= PlayerInventory.SLOTS) {
            return;
        }
        int held = p.inventory().item(slot);
        int item = c.item.id;
        int count = c.item.count;
        int damage = c.item.damage;
        ItemStack[] asked = {item <= 0 ? null : new ItemStack(item, count, (short) damage)};
        if (!creative.mayCreativeSet(p, slot, asked)) {
            p.sendSlot(slot); // refused: the client is shown what the slot holds
            return;
        }
        ItemStack put = asked[0];
        item = put == null ? 0 : put.getTypeId();
        count = put == null ? 0 : put.getAmount();
        damage = put == null ? 0 : put.getDurability();
        if (item <= 0) {
            p.inventory().set(slot, 0, 0, 0, null);
        } else if (BlockRules.known(item) && count >= 1 && count <= 64) {
            p.inventory().set(slot, item, count, damage, null);
        } else {
            p.sendSlot(slot);
        }
        if (slot >= 1 && slot <= 4) {
            p.inventory().own.updateResult();
            p.sendSlot(Window.RESULT);
        }
        if (slot == p.handSlot() && p.inventory().item(slot) != held) {
            p.showHeldItem();
        }
    }

    /** A creative player throws an item out of his inventory window: it is made for the throw. */
    private void creativeThrow(OnlinePlayer p, int item, int count, int damage) {
        if (item <= 0 || count < 1 || count > 64 || !BlockRules.known(item) || p.dead
                || !items.mayThrow(p.getName(), currentTick.getAsLong())) {
            return;
        }
        net.cubeworks.world.game.entity.ItemEntity thrown = items.throwFrom(p, p.y + PlayerBody.EYE_HEIGHT,
                p.getName(), item, count, damage, null, false);
        if (thrown != null) {
            items.dropAllowed(p, thrown);
        }
    }

    /** In the tick: the player's newest held item and one swing since the last tick, to the clients that show him. */
    public void relay(OnlinePlayer p) {
        p.relayedThisTick = 0;
        if (p.heldItemChanged) {
            p.heldItemChanged = false;
            int slot = p.handSlot();
            shown.toViewers(p, PlayPackets.entityEquipment(p.getEntityId(), 0,
                    p.inventory().item(slot), p.inventory().count(slot), p.inventory().data(slot)));
        }
        if (p.swung) {
            p.swung = false;
            if (!p.dead) {
                shown.toViewers(p, PlayPackets.animation(p.getEntityId(), PlayPackets.ANIMATION_SWING_ARM));
            }
        }
    }
}
