package net.cubeworks.world.game.player;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;
import java.util.Random;
import java.util.function.Supplier;

import org.bukkit.World;
import org.bukkit.entity.Entity;
import org.bukkit.event.entity.EntityDamageEvent.DamageCause;

import net.cubeworks.world.game.block.BlockRules;
import net.cubeworks.world.game.block.Drops;
import net.cubeworks.world.game.block.Explosions;
import net.cubeworks.world.game.block.Tnt;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.Sight;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.ExplosionEvents;
import net.cubeworks.world.game.mob.Mob;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.BlockIds;

/**
 * What an explosion does to the world, whoever sets it off: the blocks its rays reach (see
 * {@link Explosions}) are taken, fire is lit where asked, and the players, mobs and items near
 * are hurt and pushed ({@link ExplosionHits}). A thing in the world (primed TNT, a creeper) asks
 * the plugins first (EntityExplodeEvent): a cancelled blast takes no block but still hurts, and
 * the blocks it takes give their items by the event's yield (1 / power, as the game's) and prime
 * the TNT they hit. A plugin's explosion asks nobody and gives no items. Runs on the game thread.
 */
public final class Blasts {
    private final WorldBlocks world;
    /** The level, read anew each time: loading the world replaces it. */
    private final Supplier<LevelState> levels;
    private final GameHost host;
    private final World api;
    private final ExplosionHits hits;
    private final Sight.Blocks blocks;

    public Blasts(WorldBlocks world, Supplier<LevelState> levels, GameHost host, World api, ExplosionHits hits) {
        this.world = world;
        this.levels = levels;
        this.host = host;
        this.api = api;
        this.hits = hits;
        this.blocks = world::blockAt;
    }

    /** A plugin's explosion (World.createExplosion): players hurt as by a block. */
    public void byPlugin(double x, double y, double z, float power, boolean setFire, boolean breakBlocks) {
        blast(null, x, y, z, power, setFire, breakBlocks,
                new ExplosionHits.Treatment(DamageCause.BLOCK_EXPLOSION, null, false));
    }

    /** Primed TNT's explosion, lighting fire when the TNT was a fire charge's. */
    public void byThing(WorldEntity source, double x, double y, double z, float power, boolean setFire) {
        blast(source, x, y, z, power, setFire, true,
                new ExplosionHits.Treatment(DamageCause.BLOCK_EXPLOSION, null, false));
    }

    /**
     * A mob's explosion (a creeper's): it takes blocks only while the mobGriefing rule is on, and
     * hurts players by the difficulty, sparing those in creative.
     */
    public void byMob(Entity source, double x, double y, double z, float power) {
        boolean griefing = !"false".equals(levels.get().gameRules.get("mobGriefing"));
        String by = source instanceof Mob ? ((Mob) source).kind.savedId : null;
        blast(source, x, y, z, power, false, griefing,
                new ExplosionHits.Treatment(DamageCause.ENTITY_EXPLOSION, by, true));
    }

    private void blast(Entity source, double x, double y, double z, float power, boolean setFire,
            boolean breakBlocks, ExplosionHits.Treatment how) {
        Random random = world.random();
        List<int[]> taken = breakBlocks ? Explosions.affected(blocks, x, y, z, power, random)
                : Collections.<int[]>emptyList();
        float yield = 0;
        if (source != null) {
            ExplosionEvents.Blast asked = ExplosionEvents.byEntity(host, api, source, x, y, z, taken,
                    1.0f / power);
            taken = asked == null ? Collections.<int[]>emptyList() : asked.blocks;
            yield = asked == null ? 0 : asked.yield;
        }
        List<int[]> offsets = take(taken, source != null, yield, x, y, z, random);
        if (setFire) {
            light(taken, random);
        }
        hits.hit(source, x, y, z, power, blocks, offsets, how);
    }

    /**
     * Takes the blocks (TNT among them primed instead when a thing set the blast off), each giving
     * its items at the yield's chance; answers their offsets from the centre that the explosion
     * packet carries (those further than a byte reaches are taken but not listed).
     */
    private List<int[]> take(List<int[]> taken, boolean primeTnt, float yield, double x, double y, double z,
            Random random) {
        int ox = (int) Math.floor(x);
        int oy = (int) Math.floor(y);
        int oz = (int) Math.floor(z);
        List<int[]> offsets = new ArrayList<int[]>();
        for (int[] b : taken) {
            int id = world.blockAt(b[0], b[1], b[2]);
            if (primeTnt && id == BlockIds.TNT) {
                Tnt.prime(world, b[0], b[1], b[2], Tnt.chainFuse(random));
            } else {
                if (id != 0 && yield > 0 && random.nextFloat() < yield) {
                    Drops.ofBlock(world, b[0], b[1], b[2], id, world.metaAt(b[0], b[1], b[2]));
                }
                world.setBlock(b[0], b[1], b[2], 0, 0);
            }
            int dx = b[0] - ox;
            int dy = b[1] - oy;
            int dz = b[2] - oz;
            if (dx >= -128 && dx <= 127 && dy >= -128 && dy <= 127 && dz >= -128 && dz <= 127) {
                offsets.add(new int[] {dx, dy, dz});
            }
        }
        return offsets;
    }

    /** Fire on a third of the cleared places that stand over solid ground. */
    private void light(List<int[]> taken, Random random) {
        for (int[] b : taken) {
            if (b[1] > 0 && world.blockAt(b[0], b[1], b[2]) == 0
                    && BlockRules.solid(world.blockAt(b[0], b[1] - 1, b[2])) && random.nextInt(3) == 0) {
                world.setBlock(b[0], b[1], b[2], BlockIds.FIRE, 0);
            }
        }
    }
}
