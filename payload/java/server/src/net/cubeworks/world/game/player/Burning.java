package net.cubeworks.world.game.player;

import org.bukkit.GameMode;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;

import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.PlayerBody;
import net.cubeworks.world.game.event.PlayerEvents;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.level.BlockIds;

/**
 * Lava and fire, as the game has them for players: in lava 4 points every half second, in fire 1,
 * and either sets the player burning (15 seconds from lava, 8 from fire), a point every second
 * until it ends or water puts it out. Catching fire asks the plugins first. Creative players do
 * not burn. The flames are not shown on the player (no entity metadata is sent).
 */
public final class Burning {
    /** How often contact with lava or fire hurts, in ticks (the game's resistance after a hurt). */
    static final long CONTACT_TICKS = 10;
    static final float LAVA_DAMAGE = 4f;
    static final float FIRE_DAMAGE = 1f;
    /** Seconds of burning lava and fire set. */
    static final int LAVA_SECONDS = 15;
    static final int FIRE_SECONDS = 8;

    private final GameHost host;
    private final WorldBlocks blocks;
    private final Damage damage;

    /** Burning in the world's blocks; catching fire asks the plugins through the host; the burns do the damage. */
    public Burning(GameHost host, WorldBlocks blocks, Damage damage) {
        this.host = host;
        this.blocks = blocks;
        this.damage = damage;
    }

    /** In the tick: what the blocks the player's box is in do to him, and burning. */
    public void tick(OnlinePlayer p, long tick) {
        if (p.dead || p.getGameMode() == GameMode.CREATIVE) {
            p.fireTicks = 0;
            return;
        }
        int touching = touching(p);
        if (touching == BlockIds.WATER || p.fireTicks > 0 && blocks.rainsOn(p.x, p.y + 1.8, p.z)) {
            p.fireTicks = 0; // water, or rain from the open sky, puts the fire out
            return;
        }
        if (touching == BlockIds.LAVA || touching == BlockIds.FIRE) {
            boolean lava = touching == BlockIds.LAVA;
            int x = (int) Math.floor(p.x);
            int y = (int) Math.floor(p.y);
            int z = (int) Math.floor(p.z);
            int seconds = PlayerEvents.combust(host, p, x, y, z, lava ? LAVA_SECONDS : FIRE_SECONDS);
            p.fireTicks = Math.max(p.fireTicks, seconds * 20);
            if (tick % CONTACT_TICKS == 0) {
                DamageCause cause = lava ? DamageCause.LAVA : DamageCause.FIRE;
                damage.damage(p, PlayerEvents.worldDamage(host, p, cause, lava ? LAVA_DAMAGE : FIRE_DAMAGE),
                        p.getName() + (lava ? " tried to swim in lava" : " went up in flames"));
            }
        }
        if (p.fireTicks > 0) {
            p.fireTicks--;
            if (p.fireTicks % 20 == 0 && !p.dead) {
                damage.damage(p, PlayerEvents.worldDamage(host, p, DamageCause.FIRE_TICK, 1f),
                        p.getName() + " burned to death");
            }
        }
    }

    /** Water, lava or fire (the first of them found) in the cells the player's box takes; 0 for none. */
    private int touching(OnlinePlayer p) {
        int x0 = (int) Math.floor(p.x - PlayerBody.HALF_WIDTH + 0.001);
        int x1 = (int) Math.floor(p.x + PlayerBody.HALF_WIDTH - 0.001);
        int y0 = Math.max(0, (int) Math.floor(p.y + 0.001));
        int y1 = Math.min(255, (int) Math.floor(p.y + PlayerBody.HEIGHT - 0.001));
        int z0 = (int) Math.floor(p.z - PlayerBody.HALF_WIDTH + 0.001);
        int z1 = (int) Math.floor(p.z + PlayerBody.HALF_WIDTH - 0.001);
        int found = 0;
        for (int bx = x0; bx <= x1; bx++) {
            for (int bz = z0; bz <= z1; bz++) {
                if (!p.known.contains(net.cubeworks.world.level.ColumnKey.of(bx >> 4, bz >> 4))) {
                    continue;
                }
                for (int by = y0; by <= y1; by++) {
                    int id = blocks.blockAt(bx, by, bz);
                    if (id == BlockIds.WATER || id == BlockIds.STILL_WATER) {
                        return BlockIds.WATER;
                    }
                    if (id == BlockIds.LAVA || id == BlockIds.STILL_LAVA) {
                        found = BlockIds.LAVA;
                    } else if (id == BlockIds.FIRE && found == 0) {
                        found = BlockIds.FIRE;
                    }
                }
            }
        }
        return found;
    }
}
