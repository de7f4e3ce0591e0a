package net.cubeworks.world.game.mob;

import java.util.ArrayList;
import java.util.Collections;
import java.util.LinkedHashSet;
import java.util.List;
import java.util.Random;
import java.util.Set;

import org.bukkit.Location;
import org.bukkit.entity.Player;
import org.bukkit.event.entity.CreatureSpawnEvent.SpawnReason;

import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.level.ColumnKey;

/**
 * Where and when mobs come by themselves, by the game's rules. Around each player the columns
 * within 8 columns count; each family has a cap of its number per 289 such columns (monsters 70,
 * animals 10, squid 5), shared by all the players' columns. Below the cap, in each counted column
 * a random block is tried and, from it, packs of up to four of one kind within a few blocks: the
 * place needs a block with a top under the feet (not bedrock), room for the body, no liquid (water
 * for squid), and no player nearer than 24 blocks, nor the spawn point. Monsters need the dark:
 * a random 0-31 at least the sky light, and the light (the sky's darkened by the time of day) at
 * most a random 0-7. Animals need grass under them and light above 8; they also come with new land,
 * in packs of four on grass, one column in ten. A round tries at most one player's area of columns,
 * chosen at random among the counted ones.
 */
public final class NaturalSpawning {
    /** Columns from a player's that count, each way. */
    public static final int RADIUS = 8;
    /** The nearest a player or the spawn point may be, in blocks. */
    public static final double MIN_DISTANCE = 24;
    public static final int PACK = 4;
    /**
     * The most columns one round tries: one player's area. The game tries every counted column
     * every tick; with many players apart that is thousands a tick, so here a random part of them
     * is tried each tick, which fills the caps a little slower and keeps the tick short.
     */
    public static final int COLUMNS_PER_ROUND = (2 * RADIUS + 1) * (2 * RADIUS + 1);

    private static final MobKind[] MONSTERS = {MobKind.ZOMBIE, MobKind.SKELETON, MobKind.SPIDER, MobKind.CREEPER,
        MobKind.ENDERMAN};
    /** The game's weights of the monsters (its slimes and witches are not here). */
    private static final int[] MONSTER_WEIGHTS = {100, 100, 100, 100, 10};
    private static final MobKind[] ANIMALS = {MobKind.SHEEP, MobKind.PIG, MobKind.CHICKEN, MobKind.COW};
    private static final int[] ANIMAL_WEIGHTS = {12, 10, 10, 8};

    private NaturalSpawning() {
    }

    /** The game's cap of a family for so many counted columns. */
    public static int cap(MobKind.Family family, int columns) {
        return family.cap * columns / 256;
    }

    /** The columns within 8 of any player's, each once. */
    public static Set<Long> counted(List<Player> players) {
        Set<Long> out = new LinkedHashSet<Long>();
        for (Player p : players) {
            Location l = p.getLocation();
            int cx = ColumnKey.chunk(l.getX());
            int cz = ColumnKey.chunk(l.getZ());
            for (int dx = -RADIUS; dx <= RADIUS; dx++) {
                for (int dz = -RADIUS; dz <= RADIUS; dz++) {
                    out.add(ColumnKey.of(cx + dx, cz + dz));
                }
            }
        }
        return out;
    }

    /** A kind of the family for a place, by the game's weights (four monsters alike, endermen a tenth as often). */
    static MobKind pick(MobKind.Family family, Random random) {
        if (family == MobKind.Family.MONSTER) {
            int r = random.nextInt(410);
            for (int i = 0; i < MONSTERS.length; i++) {
                r -= MONSTER_WEIGHTS[i];
                if (r < 0) {
                    return MONSTERS[i];
                }
            }
        }
        if (family == MobKind.Family.WATER) {
            return MobKind.SQUID;
        }
        int r = random.nextInt(40);
        for (int i = 0; i < ANIMALS.length; i++) {
            r -= ANIMAL_WEIGHTS[i];
            if (r < 0) {
                return ANIMALS[i];
            }
        }
        return MobKind.PIG;
    }

    /** Whether the place has what the family needs under and around the feet (not light nor distance). */
    public static boolean fits(MobWorld w, MobKind.Family family, int x, int y, int z) {
        if (y < 1 || y > 254) {
            return false;
        }
        int at = w.blockAt(x, y, z);
        if (family == MobKind.Family.WATER) {
            return Shapes.water(at) && Shapes.water(w.blockAt(x, y - 1, z)) && !Shapes.cube(w.blockAt(x, y + 1, z), 0);
        }
        int below = w.blockAt(x, y - 1, z);
        if (below == 7 || !Shapes.cube(below, w.metaAt(x, y - 1, z)) && !(below == 44 || below == 126)
                && below != 60 && below != 88) {
            return false; // no top under the feet
        }
        if (Shapes.stops(at, w.metaAt(x, y, z)) || Shapes.water(at) || Shapes.lava(at)) {
            return false;
        }
        int above = w.blockAt(x, y + 1, z);
        return !Shapes.cube(above, w.metaAt(x, y + 1, z)) && !Shapes.water(above) && !Shapes.lava(above);
    }

    /** The game's light rule for monsters, with its two random numbers. */
    public static boolean darkEnough(int light, int skyDarkening, Random random) {
        int sky = light >> 4;
        if (sky > random.nextInt(32)) {
            return false;
        }
        int level = Math.max(sky - skyDarkening, light & 15);
        return level <= random.nextInt(8);
    }

    /** The game's rule for animals: grass under them and light above 8. */
    public static boolean animalPlace(MobWorld w, int x, int y, int z, int light) {
        return w.blockAt(x, y - 1, z) == 2 && Math.max(light >> 4, light & 15) > 8;
    }

    /** Whether every player, and the spawn point, is at least 24 blocks from the place. */
    public static boolean farEnough(List<Player> players, int[] spawn, double x, double y, double z) {
        double min = MIN_DISTANCE * MIN_DISTANCE;
        for (Player p : players) {
            double px;
            double py;
            double pz;
            if (p instanceof WorldEntity) {
                WorldEntity e = (WorldEntity) p;
                px = e.x;
                py = e.y;
                pz = e.z;
            } else {
                Location l = p.getLocation();
                px = l.getX();
                py = l.getY();
                pz = l.getZ();
            }
            double dx = px - x;
            double dy = py - y;
            double dz = pz - z;
            if (dx * dx + dy * dy + dz * dz < min) {
                return false;
            }
        }
        double dx = spawn[0] - x;
        double dy = spawn[1] - y;
        double dz = spawn[2] - z;
        return dx * dx + dy * dy + dz * dz >= min;
    }

    /**
     * One round of the family's natural spawning over the counted columns; the number that came.
     * The count of the family now in the world is given; nothing comes at or over the cap.
     */
    public static int round(Mobs mobs, MobKind.Family family, List<Player> players, int present) {
        return round(mobs, family, players, new ArrayList<Long>(counted(players)), present);
    }

    /** A round over the counted columns given (they are shuffled). */
    static int round(Mobs mobs, MobKind.Family family, List<Player> players, List<Long> columns, int present) {
        MobWorld w = mobs.world;
        Random random = mobs.random;
        int cap = cap(family, columns.size());
        if (present >= cap) {
            return 0;
        }
        Collections.shuffle(columns, random);
        int[] spawn = w.spawnPoint();
        int darkening = Daylight.skyDarkening(w.dayTime(), w.raining(), w.thundering());
        int came = 0;
        int tried = 0;
        for (long k : columns) {
            if (++tried > COLUMNS_PER_ROUND) {
                break;
            }
            int cx = ColumnKey.x(k);
            int cz = ColumnKey.z(k);
            int x0 = cx * 16 + random.nextInt(16);
            int z0 = cz * 16 + random.nextInt(16);
            if (!w.loaded(x0, z0)) {
                continue;
            }
            int top = (w.height(x0, z0) + 16) & ~15;
            int y0 = random.nextInt(Math.max(1, Math.min(256, top)));
            int first = w.blockAt(x0, y0, z0);
            if (Shapes.cube(first, w.metaAt(x0, y0, z0))
                    || (family == MobKind.Family.WATER) != Shapes.water(first)) {
                continue;
            }
            int inColumn = 0;
            for (int pack = 0; pack < 3 && inColumn < PACK; pack++) {
                int x = x0;
                int z = z0;
                MobKind kind = null;
                for (int n = 0; n < 4 && inColumn < PACK; n++) {
                    x += random.nextInt(6) - random.nextInt(6);
                    z += random.nextInt(6) - random.nextInt(6);
                    if (!w.loaded(x, z) || !fits(w, family, x, y0, z)
                            || !farEnough(players, spawn, x + 0.5, y0, z + 0.5)) {
                        continue;
                    }
                    int light = w.light(x, y0, z);
                    if (light < 0) {
                        continue;
                    }
                    if (family == MobKind.Family.MONSTER && !darkEnough(light, darkening, random)) {
                        continue;
                    }
                    if (family == MobKind.Family.ANIMAL && !animalPlace(w, x, y0, z, light)) {
                        continue;
                    }
                    if (kind == null) {
                        kind = pick(family, random);
                    }
                    Mob m = mobs.create(kind, x + 0.5, y0, z + 0.5);
                    if (mobs.add(m, SpawnReason.NATURAL)) {
                        inColumn++;
                        came++;
                        if (present + came >= cap) {
                            return came;
                        }
                    }
                }
            }
        }
        return came;
    }

    /** Animals that come with a column of new land: while a random number is below 0.1, a pack of four on grass. */
    public static int newLand(Mobs mobs, int cx, int cz) {
        MobWorld w = mobs.world;
        Random random = mobs.random;
        int came = 0;
        while (random.nextFloat() < 0.1f) {
            MobKind kind = pick(MobKind.Family.ANIMAL, random);
            int x = cx * 16 + random.nextInt(16);
            int z = cz * 16 + random.nextInt(16);
            for (int n = 0; n < PACK; n++) {
                int y = w.height(x, z);
                if (w.blockAt(x, y - 1, z) == 2 && fits(w, MobKind.Family.ANIMAL, x, y, z)) {
                    Mob m = mobs.create(kind, x + 0.5, y, z + 0.5);
                    m.persistent = true;
                    if (mobs.add(m, SpawnReason.CHUNK_GEN)) {
                        came++;
                    }
                }
                x = Math.max(cx * 16, Math.min(cx * 16 + 15, x + random.nextInt(5) - random.nextInt(5)));
                z = Math.max(cz * 16, Math.min(cz * 16 + 15, z + random.nextInt(5) - random.nextInt(5)));
            }
        }
        return came;
    }
}
