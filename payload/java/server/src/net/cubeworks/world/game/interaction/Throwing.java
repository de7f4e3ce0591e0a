package net.cubeworks.world.game.interaction;

import org.bukkit.GameMode;

import net.cubeworks.world.game.mob.Mobs;
import net.cubeworks.world.game.mob.Thrown;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * A player throws the snowball or egg in his hand with a use of it: it flies from his eyes along
 * his look (see {@link Thrown}), the bow's sound plays, and one goes from the stack unless he is
 * in creative. When a plugin stops the throw the item stays in his hand.
 */
public final class Throwing {
    static final int SNOWBALL = 332;
    static final int EGG = 344;

    private final Mobs mobs;

    public Throwing(Mobs mobs) {
        this.mobs = mobs;
    }

    /** True when the item in hand is one thrown (it was, or a plugin stopped it). */
    boolean use(OnlinePlayer p) {
        int slot = p.handSlot();
        int item = p.inventory().item(slot);
        if (item != SNOWBALL && item != EGG || p.dead) {
            return false;
        }
        Thrown t = mobs.throwFrom(p, item == EGG);
        if (t != null) {
            if (p.getGameMode() != GameMode.CREATIVE) {
                p.inventory().takeOne(slot);
            }
            mobs.world.toNear(p.x, p.y, p.z, 16, PlayPackets.namedSoundEffect("random.bow", p.x, p.y, p.z,
                    0.5f, 0.4f / (mobs.random.nextFloat() * 0.4f + 0.8f)));
        }
        p.sendSlot(slot);
        return true;
    }
}
