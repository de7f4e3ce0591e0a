package net.cubeworks.world.game.player;

import java.util.function.LongSupplier;

import org.bukkit.inventory.ItemStack;

import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.mob.Mobs;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * Eating, as the game has it: a right click in the air with food in hand (and the food bar not
 * full, except for golden apples) starts it; 32 ticks later the food is eaten, unless the player
 * let go (Player Digging "release") or changed the item in hand meanwhile. The plugins may refuse
 * or change what is eaten. The effects some foods give (rotten flesh, spider eyes, golden apples)
 * are not applied.
 */
public final class Eating {
    /** Ticks eating takes. */
    public static final int TICKS = 32;
    /** Entity Status to the eater: the server took the eating. */
    static final int STATUS_EATEN = 9;
    private static final int GOLDEN_APPLE = 322;
    private static final int MUSHROOM_STEW = 282;
    private static final int BOWL = 281;
    /** Food points and saturation of each food item of 1.7 (saturation gained: points x modifier x 2). */
    private static final int[] IDS = {260, 282, 297, 319, 320, 322, 349, 350, 357, 360, 363, 364, 365, 366, 367, 375,
        391, 392, 393, 394, 396, 400};
    private static final int[] POINTS = {4, 6, 5, 3, 8, 4, 2, 5, 2, 2, 3, 8, 2, 6, 4, 2, 3, 1, 5, 2, 6, 8};
    private static final float[] MODIFIERS = {0.3f, 0.6f, 0.6f, 0.3f, 0.8f, 1.2f, 0.1f, 0.6f, 0.1f, 0.3f, 0.3f, 0.8f,
        0.3f, 0.6f, 0.1f, 0.8f, 0.6f, 0.3f, 0.6f, 0.3f, 1.2f, 0.3f};

    private final GameHost host;
    private final LongSupplier clock;
    private final Delivery delivery;
    private final Hunger hunger;
    private final Mobs mobs;

    /**
     * Eating and drawing bows, timed by the world's tick (the clock): what is eaten fills the food
     * bar, an arrow shot is the mobs' to fly.
     */
    public Eating(GameHost host, LongSupplier clock, Delivery delivery, Hunger hunger, Mobs mobs) {
        this.host = host;
        this.clock = clock;
        this.delivery = delivery;
        this.hunger = hunger;
        this.mobs = mobs;
    }

    /** The index of the food in the table, or -1 for an item that is not food. */
    static int food(int item) {
        for (int i = 0; i < IDS.length; i++) {
            if (IDS[i] == item) {
                return i;
            }
        }
        return -1;
    }

    /** A bow, drawn while the use is held (the item in use is then the bow, not food). */
    public static final int BOW = 261;
    public static final int ARROW = 262;
    private static final int BOW_MAX_DAMAGE = 384;

    /**
     * A use of the item in hand in the air: eating starts when it is food and the player may eat;
     * a bow is drawn when the player has an arrow (or is in creative).
     */
    public void use(OnlinePlayer p) {
        int slot = p.handSlot();
        int item = p.inventory().item(slot);
        if (item == BOW && !p.dead && (p.getGameMode() == org.bukkit.GameMode.CREATIVE || arrowSlot(p) >= 0)) {
            p.eatingSlot = slot;
            p.eatingItem = BOW;
            p.eatingSince = clock.getAsLong();
            return;
        }
        if (p.dead || food(item) < 0 || (p.food >= 20 && item != GOLDEN_APPLE)) {
            return;
        }
        p.eatingSlot = slot;
        p.eatingItem = item;
        p.eatingSince = clock.getAsLong();
    }

    /** The client let go of the item: eating stops, a drawn bow shoots. */
    public void release(OnlinePlayer p) {
        int slot = p.eatingSlot;
        p.eatingSlot = -1;
        if (slot >= 0 && p.eatingItem == BOW && slot == p.handSlot() && p.inventory().item(slot) == BOW && !p.dead) {
            shoot(p, slot, (int) (clock.getAsLong() - p.eatingSince));
        }
    }

    /** The first slot holding an arrow, or -1. */
    private static int arrowSlot(OnlinePlayer p) {
        for (int i = 9; i <= 44; i++) {
            if (p.inventory().item(i) == ARROW && p.inventory().count(i) > 0) {
                return i;
            }
        }
        return -1;
    }

    /**
     * A bow let go after the ticks drawn: an arrow from the eyes along the look at three times the
     * force (critical at full draw), as the bow event allows; a survival player spends an arrow
     * (and may pick it up again) and the bow wears by one.
     */
    private void shoot(OnlinePlayer p, int slot, int ticks) {
        float force = net.cubeworks.world.game.mob.ArrowEntity.bowForce(ticks);
        boolean creative = p.getGameMode() == org.bukkit.GameMode.CREATIVE;
        int arrows = arrowSlot(p);
        if (force < 0.1f || (!creative && arrows < 0)) {
            return;
        }
        net.cubeworks.world.game.mob.ArrowEntity arrow = mobs.shootArrow(p, p.x, p.y + PlayerBody.EYE_HEIGHT - 0.1,
                p.z, p.yaw, p.pitch, force * 3f, 1f);
        arrow.setCritical(force >= 1f);
        arrow.pickup = !creative;
        ItemStack bow = new ItemStack(BOW, 1, (short) p.inventory().data(slot));
        if (!net.cubeworks.world.game.event.MobEvents.shootBow(host, p, bow, arrow, force)
                || !net.cubeworks.world.game.event.ProjectileEvents.launch(host, arrow)) {
            arrow.markRemoved();
            p.sendSlot(slot);
            return;
        }
        mobs.world.toNear(p.x, p.y, p.z, 16, PlayPackets.namedSoundEffect("random.bow", p.x, p.y, p.z, 1f,
                1f / (0.8f + (float) Math.random() * 0.4f) + force * 0.5f));
        if (!creative) {
            p.inventory().takeOne(arrows);
            p.sendSlot(arrows);
            p.inventory().wear(slot, 1, BOW_MAX_DAMAGE);
            p.sendSlot(slot);
        }
    }

    /** In the tick: a player who has eaten long enough eats, if he still holds the food. */
    public void tick(OnlinePlayer p) {
        if (p.eatingSlot < 0 || p.eatingItem == BOW) {
            return; // a bow is drawn until it is let go
        }
        int slot = p.eatingSlot;
        if (p.dead || slot != p.handSlot() || p.inventory().item(slot) != p.eatingItem
                || p.inventory().count(slot) <= 0) {
            p.eatingSlot = -1;
            return;
        }
        if (clock.getAsLong() - p.eatingSince < TICKS) {
            return;
        }
        p.eatingSlot = -1;
        ItemStack held = new ItemStack(p.eatingItem, 1, (short) p.inventory().data(slot));
        ItemStack eaten = PlayerEvents.consume(host, p, held);
        if (eaten == null) {
            p.sendSlot(slot); // refused: the client shows the food back in hand
            delivery.out(p, BodyPackets.health(p));
            return;
        }
        int i = food(eaten.getTypeId());
        if (i >= 0) {
            int points = POINTS[i];
            hunger.setFood(p, Math.min(20, p.food + points));
            p.saturation = Math.min(p.food, p.saturation + points * MODIFIERS[i] * 2f);
        }
        if (p.getGameMode() != org.bukkit.GameMode.CREATIVE) {
            if (p.eatingItem == MUSHROOM_STEW) {
                p.inventory().set(slot, BOWL, 1, 0, null);
            } else {
                p.inventory().takeOne(slot);
            }
            p.sendSlot(slot);
            p.showHeldItem();
        }
        delivery.out(p, BodyPackets.health(p));
        delivery.out(p, PlayPackets.entityStatus(p.getEntityId(), STATUS_EATEN));
    }
}
