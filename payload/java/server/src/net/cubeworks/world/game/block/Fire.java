package net.cubeworks.world.game.block;

import java.util.Random;

import org.bukkit.event.block.BlockIgniteEvent;

import net.cubeworks.world.game.event.FireEvents;
import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockIds;

/**
 * Fire by the game's rules. A hit on the block under or beside a fire, on the face toward it, puts
 * it out. A fire stands on solid ground or beside something that burns, and acts every 30 to 39
 * ticks (while doFireTick is on): it ages (its data, 0 to 15), may burn away or set alight each
 * block beside it by the block's flammability (the game's chances: 1 in 300 sideways, 1 in 250
 * above and below; an old fire less often lights what it burns), and may light the air around
 * it, up to four blocks up, by how much its neighbours encourage fire. Without anything to burn it
 * goes out once older than 3, or at 15 one time in four; on netherrack it burns for ever. Rain
 * falling on it or beside it puts it out ({@link Weathering}). Burning TNT is primed.
 */
final class Fire extends BlockBehaviour {
    static final int TICK_RATE = 30;
    static final int NETHERRACK = 87;
    static final int TNT = 46;
    /** Per id: how much the block encourages fire beside it, and how easily it burns away. */
    private static final int[] ENCOURAGEMENT = new int[4096];
    private static final int[] FLAMMABILITY = new int[4096];

    static {
        burns(5, 20, 5, 125, 126, 85, 53, 134, 135, 136, 163, 164); // planks, wooden slabs, fences, stairs
        burns(5, 5, 17, 162, 173); // logs, block of coal
        burns(30, 60, 18, 161, 35); // leaves, wool
        burns(30, 20, 47); // bookshelf
        burns(15, 100, 46, 106); // TNT, vines
        burns(60, 100, 31, 32, 37, 38, 175); // tall grass, dead bush, flowers, tall plants
        burns(60, 20, 170, 171); // hay, carpet
    }

    private static void burns(int encouragement, int flammability, int... ids) {
        for (int id : ids) {
            ENCOURAGEMENT[id] = encouragement;
            FLAMMABILITY[id] = flammability;
        }
    }

    static int encouragement(int id) {
        return id >= 0 && id < 4096 ? ENCOURAGEMENT[id] : 0;
    }

    static int flammability(int id) {
        return id >= 0 && id < 4096 ? FLAMMABILITY[id] : 0;
    }

    @Override
    public boolean hitBeside(BlockUser user, Terrain terrain, int x, int y, int z) {
        terrain.setBlock(x, y, z, AIR, 0);
        return true;
    }

    /** True where a fire may burn: over solid ground, or beside a block that burns. */
    static boolean mayBurn(BlockWorld w, int x, int y, int z) {
        return y > 0 && Liquid.solid(w.blockAt(x, y - 1, z)) || besideFuel(w, x, y, z);
    }

    static boolean besideFuel(BlockWorld w, int x, int y, int z) {
        for (int[] d : BlockUpdates.NEIGHBOURS) {
            if (w.loaded(x + d[0], z + d[2]) && encouragement(w.blockAt(x + d[0], y + d[1], z + d[2])) > 0) {
                return true;
            }
        }
        return false;
    }

    @Override
    public void added(BlockWorld w, int x, int y, int z) {
        if (!mayBurn(w, x, y, z)) {
            w.setBlock(x, y, z, AIR, 0);
            return;
        }
        w.scheduleTick(x, y, z, BlockIds.FIRE, TICK_RATE + w.random().nextInt(10), 0);
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        if (!mayBurn(w, x, y, z)) {
            w.setBlock(x, y, z, AIR, 0);
        }
    }

    @Override
    public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
        if (!w.gameRule("doFireTick")) {
            return;
        }
        boolean forever = y > 0 && w.blockAt(x, y - 1, z) == NETHERRACK;
        if (!mayBurn(w, x, y, z) || !forever && Weathering.putsOut(w, x, y, z)) {
            w.setBlock(x, y, z, AIR, 0);
            return;
        }
        int age = w.metaAt(x, y, z);
        if (age < 15) {
            w.setBlockQuietly(x, y, z, BlockIds.FIRE, age + random.nextInt(3) / 2);
        }
        w.scheduleTick(x, y, z, BlockIds.FIRE, TICK_RATE + random.nextInt(10), 0);
        if (!forever && !besideFuel(w, x, y, z)) {
            if (y <= 0 || !Liquid.solid(w.blockAt(x, y - 1, z)) || age > 3) {
                w.setBlock(x, y, z, AIR, 0);
            }
            return;
        }
        if (!forever && flammability(w.blockAt(x, y - 1, z)) == 0 && age == 15 && random.nextInt(4) == 0) {
            w.setBlock(x, y, z, AIR, 0);
            return;
        }
        boolean humid = humid(w.biomeAt(x, z));
        int damp = humid ? -50 : 0;
        catchFire(w, x + 1, y, z, 300 + damp, random, age);
        catchFire(w, x - 1, y, z, 300 + damp, random, age);
        catchFire(w, x, y - 1, z, 250 + damp, random, age);
        catchFire(w, x, y + 1, z, 250 + damp, random, age);
        catchFire(w, x, y, z - 1, 300 + damp, random, age);
        catchFire(w, x, y, z + 1, 300 + damp, random, age);
        for (int ax = x - 1; ax <= x + 1; ax++) {
            for (int az = z - 1; az <= z + 1; az++) {
                for (int ay = y - 1; ay <= y + 4; ay++) {
                    if (ax == x && ay == y && az == z || ay < 0 || ay > 255 || !w.loaded(ax, az)) {
                        continue;
                    }
                    int odds = 100 + (ay > y + 1 ? (ay - (y + 1)) * 100 : 0);
                    int pull = encouragementAround(w, ax, ay, az);
                    if (pull <= 0) {
                        continue;
                    }
                    int chance = (pull + 40 + w.difficulty() * 7) / (age + 30);
                    if (humid) {
                        chance /= 2;
                    }
                    if (chance > 0 && random.nextInt(odds) <= chance) {
                        int newAge = Math.min(15, age + random.nextInt(5) / 4);
                        if (FireEvents.ignite(w.host(), w.api(), ax, ay, az, BlockIgniteEvent.IgniteCause.SPREAD, null,
                                new int[] {x, y, z})) {
                            w.setBlock(ax, ay, az, BlockIds.FIRE, newAge);
                        }
                    }
                }
            }
        }
    }

    /** The biomes the game calls humid (jungles, swamps): fire spreads there half as much. */
    static boolean humid(int biome) {
        int b = biome >= 128 ? biome - 128 : biome;
        return b == 6 || b == 21 || b == 22 || b == 23;
    }

    /** How much the blocks beside an air block encourage fire there; 0 for a block that is not air. */
    static int encouragementAround(BlockWorld w, int x, int y, int z) {
        if (w.blockAt(x, y, z) != AIR) {
            return 0;
        }
        int most = 0;
        for (int[] d : BlockUpdates.NEIGHBOURS) {
            if (y + d[1] >= 0 && y + d[1] <= 255 && w.loaded(x + d[0], z + d[2])) {
                most = Math.max(most, encouragement(w.blockAt(x + d[0], y + d[1], z + d[2])));
            }
        }
        return most;
    }

    /** The block beside a fire may burn, by its flammability against the odds: into fire (more likely while the fire is young) or away. */
    static void catchFire(BlockWorld w, int x, int y, int z, int odds, Random random, int age) {
        if (y < 0 || y > 255 || !w.loaded(x, z)) {
            return;
        }
        int id = w.blockAt(x, y, z);
        if (random.nextInt(odds) >= flammability(id)) {
            return;
        }
        if (!FireEvents.burn(w.host(), w.api(), x, y, z)) {
            return;
        }
        if (random.nextInt(age + 10) < 5) {
            w.setBlock(x, y, z, BlockIds.FIRE, Math.min(15, age + random.nextInt(5) / 4));
        } else {
            w.setBlock(x, y, z, AIR, 0);
        }
        if (id == TNT) {
            Tnt.prime(w, x, y, z, 80);
        }
    }

    /** Lava picked at random may set alight the air near it beside something that burns, as the game's lava does. */
    static void fromLava(BlockWorld w, int x, int y, int z, Random random) {
        int tries = random.nextInt(3);
        int lx = x;
        int ly = y;
        int lz = z;
        for (int i = 0; i < tries; i++) {
            lx += random.nextInt(3) - 1;
            ly++;
            lz += random.nextInt(3) - 1;
            if (ly > 255 || !w.loaded(lx, lz)) {
                return;
            }
            int id = w.blockAt(lx, ly, lz);
            if (id == AIR) {
                if (besideFuel(w, lx, ly, lz)) {
                    light(w, lx, ly, lz, x, y, z);
                    return;
                }
            } else if (Liquid.solid(id)) {
                return;
            }
        }
        if (tries == 0) {
            for (int i = 0; i < 3; i++) {
                int fx = x + random.nextInt(3) - 1;
                int fz = z + random.nextInt(3) - 1;
                if (y < 255 && w.loaded(fx, fz) && w.blockAt(fx, y + 1, fz) == AIR
                        && encouragement(w.blockAt(fx, y, fz)) > 0) {
                    light(w, fx, y + 1, fz, x, y, z);
                }
            }
        }
    }

    private static void light(BlockWorld w, int x, int y, int z, int fromX, int fromY, int fromZ) {
        if (FireEvents.ignite(w.host(), w.api(), x, y, z, BlockIgniteEvent.IgniteCause.LAVA, null,
                new int[] {fromX, fromY, fromZ})) {
            w.setBlock(x, y, z, BlockIds.FIRE, 0);
        }
    }
}
