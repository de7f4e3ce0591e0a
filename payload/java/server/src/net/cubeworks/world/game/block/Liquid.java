package net.cubeworks.world.game.block;

import java.util.Random;

import net.cubeworks.world.game.event.BlockChangeEvents;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockTable;

/**
 * Water and lava by the game's rules. A liquid's metadata is its level: 0 a source, 1 to 7 a flow
 * thinning out, 8 and above (8 plus the level) a flow falling. A flowing block acts when its
 * update comes due (water every 5 ticks, lava every 30): it takes the level its neighbours give
 * (the lowest beside it plus 1 for water, 2 for lava; a falling one under any liquid of its kind;
 * water between two sources over ground becomes a source), falls first where it can, and else
 * spreads on level ground toward the nearest way down within four blocks, or every way when none
 * is near. It settles into its still block when nothing changes; a still block flows again when a
 * neighbour changes. Lava touching water hardens: a source to obsidian, a flow of level 4 or less
 * to cobblestone, and lava falling onto water makes stone. What a liquid cannot pass (solid
 * blocks, doors, signs, ladders, sugar cane, portals) stops it; plants, torches, redstone and the
 * like are washed away, giving their items. A column the world does not hold stops a flow at its
 * edge, as a solid block would.
 */
final class Liquid {
    /** The farthest a flow looks for a way down, in blocks. */
    static final int REACH = 4;

    private static final boolean[] OPEN = new boolean[4096];
    private static final boolean[] PORTAL = new boolean[4096];

    static {
        for (int id = 0; id < 4096; id++) {
            String m = id < 256 ? BlockTable.of(id).material : "";
            OPEN[id] = m.equals("air") || m.equals("water") || m.equals("lava") || m.equals("plants")
                    || m.equals("vine") || m.equals("circuits") || m.equals("fire") || m.equals("web")
                    || m.equals("carpet") || id == BlockIds.SNOW_LAYER;
            PORTAL[id] = m.equals("portal");
        }
        OPEN[BlockIds.AIR] = true;
        OPEN[BlockIds.LADDER] = false;
    }

    /** One liquid: its two ids, how often its flow acts and how much it thins a block. */
    static final class Kind {
        final int flowing;
        final int still;
        final int tickRate;
        final int thinning;
        final boolean lava;

        Kind(int flowing, int still, int tickRate, int thinning, boolean lava) {
            this.flowing = flowing;
            this.still = still;
            this.tickRate = tickRate;
            this.thinning = thinning;
            this.lava = lava;
        }

        boolean is(int id) {
            return id == flowing || id == still;
        }
    }

    /** The four ways on level ground, in the game's order: -x, +x, -z, +z. */
    static final int[][] SIDES = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};

    static final Kind WATER = new Kind(BlockIds.WATER, BlockIds.STILL_WATER, 5, 1, false);
    static final Kind LAVA = new Kind(BlockIds.LAVA, BlockIds.STILL_LAVA, 30, 2, true);

    private Liquid() {
    }

    /** The block id at a place, or bedrock (stopping every flow) outside the world's height or held columns. */
    static int id(BlockWorld w, int x, int y, int z) {
        if (y < 0 || y > 255 || !w.loaded(x, z)) {
            return BlockIds.BEDROCK;
        }
        return w.blockAt(x, y, z);
    }

    /** True where no liquid may pass or stay. */
    static boolean blocked(int id) {
        return id == BlockIds.WOODEN_DOOR || id == BlockIds.IRON_DOOR || id == BlockIds.STANDING_SIGN
                || id == BlockIds.WALL_SIGN || id == BlockIds.LADDER || id == BlockIds.SUGAR_CANE
                || !OPEN[id & 4095] || PORTAL[id & 4095];
    }

    /** True for the blocks of solid stuff (not liquids, plants, torches, redstone, ladders, portals): ground a source may form on. */
    static boolean solid(int id) {
        return !OPEN[id & 4095] && id != BlockIds.LADDER && !PORTAL[id & 4095];
    }

    /** True when the liquid may flow into a block of the id: not its own kind, not lava, not blocked. */
    static boolean canFlowInto(Kind k, int id) {
        return !k.is(id) && !LAVA.is(id) && !blocked(id);
    }

    /** The level of the liquid at the place: -1 when it is not this liquid. */
    static int level(BlockWorld w, Kind k, int x, int y, int z) {
        return k.is(id(w, x, y, z)) ? w.metaAt(x, y, z) : -1;
    }

    /** As {@link #level}, a falling flow counting as 0. */
    static int effective(BlockWorld w, Kind k, int x, int y, int z) {
        int l = level(w, k, x, y, z);
        return l >= 8 ? 0 : l;
    }

    /** Lava touching water (beside or above, never below) hardens; true when it did. */
    static boolean harden(BlockWorld w, Kind k, int x, int y, int z) {
        if (!k.lava || !LAVA.is(id(w, x, y, z))) {
            return false;
        }
        if (!WATER.is(id(w, x, y, z - 1)) && !WATER.is(id(w, x, y, z + 1)) && !WATER.is(id(w, x - 1, y, z))
                && !WATER.is(id(w, x + 1, y, z)) && !WATER.is(id(w, x, y + 1, z))) {
            return false;
        }
        int level = w.metaAt(x, y, z);
        if (level == 0) {
            w.setBlock(x, y, z, BlockIds.OBSIDIAN, 0);
        } else if (level <= 4) {
            w.setBlock(x, y, z, BlockIds.COBBLESTONE, 0);
        } else {
            return false;
        }
        fizz(w, x, y, z);
        return true;
    }

    static void fizz(BlockWorld w, int x, int y, int z) {
        Random r = w.random();
        w.playSound("random.fizz", x + 0.5, y + 0.5, z + 0.5, 0.5f, 2.6f + (r.nextFloat() - r.nextFloat()) * 0.8f);
    }

    /** The flowing block of a liquid. */
    static final class Flowing extends BlockBehaviour {
        private final Kind k;
        /** Sources beside the block counted by the last {@link #lowestBeside}. */
        private int sources;

        Flowing(Kind k) {
            this.k = k;
        }

        @Override
        public void added(BlockWorld w, int x, int y, int z) {
            harden(w, k, x, y, z);
            if (w.blockAt(x, y, z) == k.flowing) {
                w.scheduleTick(x, y, z, k.flowing, k.tickRate, 0);
            }
        }

        @Override
        public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
            harden(w, k, x, y, z);
        }

        @Override
        public void scheduledTick(BlockWorld w, int x, int y, int z, Random random) {
            int level = level(w, k, x, y, z);
            int delay = k.tickRate;
            if (level > 0) {
                sources = 0;
                int lowest = -100;
                lowest = lowestBeside(w, x - 1, y, z, lowest);
                lowest = lowestBeside(w, x + 1, y, z, lowest);
                lowest = lowestBeside(w, x, y, z - 1, lowest);
                lowest = lowestBeside(w, x, y, z + 1, lowest);
                int next = lowest + k.thinning;
                if (next >= 8 || lowest < 0) {
                    next = -1;
                }
                int above = effective(w, k, x, y + 1, z);
                if (above >= 0) {
                    int a = level(w, k, x, y + 1, z);
                    next = a >= 8 ? a : a + 8;
                }
                if (sources >= 2 && !k.lava) {
                    int below = id(w, x, y - 1, z);
                    if (solid(below) || k.is(below) && w.metaAt(x, y - 1, z) == 0) {
                        next = 0;
                    }
                }
                if (k.lava && level < 8 && next < 8 && next > level && random.nextInt(4) != 0) {
                    delay *= 4;
                }
                if (next == level) {
                    settle(w, x, y, z);
                } else {
                    level = next;
                    if (next < 0) {
                        w.setBlock(x, y, z, BlockIds.AIR, 0);
                    } else {
                        w.setBlockQuietly(x, y, z, k.flowing, next);
                        w.scheduleTick(x, y, z, k.flowing, delay, 0);
                        w.tellNeighbours(x, y, z);
                    }
                }
            } else {
                settle(w, x, y, z);
            }
            if (level < 0 || w.blockAt(x, y, z) != k.flowing && w.blockAt(x, y, z) != k.still) {
                return;
            }
            int belowId = id(w, x, y - 1, z);
            if (canFlowInto(k, belowId)) {
                if (!BlockChangeEvents.flows(w.host(), w.api(), x, y, z, -1)) {
                    return;
                }
                if (k.lava && WATER.is(belowId)) {
                    w.setBlock(x, y - 1, z, BlockIds.STONE, 0);
                    fizz(w, x, y - 1, z);
                    return;
                }
                flowInto(w, x, y - 1, z, level >= 8 ? level : level + 8);
            } else if (level == 0 || blocked(belowId)) {
                boolean[] ways = ways(w, x, y, z);
                int spread = level >= 8 ? 1 : level + k.thinning;
                if (spread >= 8) {
                    return;
                }
                for (int i = 0; i < 4; i++) {
                    if (ways[i] && BlockChangeEvents.flows(w.host(), w.api(), x, y, z, i)) {
                        flowInto(w, x + SIDES[i][0], y, z + SIDES[i][1], spread);
                    }
                }
            }
        }

        /** The flow becomes its still block, level kept, telling nobody. */
        private void settle(BlockWorld w, int x, int y, int z) {
            if (w.blockAt(x, y, z) == k.flowing) {
                w.setBlockQuietly(x, y, z, k.still, w.metaAt(x, y, z));
            }
        }

        /** The lower of lowest and the level beside (a falling flow counts as 0; sources are counted); -100 is none yet. */
        private int lowestBeside(BlockWorld w, int x, int y, int z, int lowest) {
            int l = level(w, k, x, y, z);
            if (l < 0) {
                return lowest;
            }
            if (l == 0) {
                sources++;
            }
            if (l >= 8) {
                l = 0;
            }
            return lowest >= 0 && l >= lowest ? lowest : l;
        }

        private void flowInto(BlockWorld w, int x, int y, int z, int level) {
            int id = id(w, x, y, z);
            if (!canFlowInto(k, id)) {
                return;
            }
            if (id != BlockIds.AIR) {
                if (k.lava) {
                    fizz(w, x, y, z);
                } else {
                    Drops.ofBlock(w, x, y, z, id, w.metaAt(x, y, z));
                }
            }
            w.setBlock(x, y, z, k.flowing, level);
        }

        /** The sides (-x, +x, -z, +z) a flow on level ground takes: those nearest a way down. */
        boolean[] ways(BlockWorld w, int x, int y, int z) {
            Area a = new Area(w, x, y, z);
            int[] cost = new int[4];
            for (int i = 0; i < 4; i++) {
                cost[i] = 1000;
                int sx = SIDES[i][0];
                int sz = SIDES[i][1];
                if (a.open(sx, sz)) {
                    cost[i] = a.below(sx, sz) ? cost(a, sx, sz, 1, i) : 0;
                }
            }
            int min = Math.min(Math.min(cost[0], cost[1]), Math.min(cost[2], cost[3]));
            boolean[] ways = new boolean[4];
            for (int i = 0; i < 4; i++) {
                ways[i] = cost[i] == min;
            }
            return ways;
        }

        /** The fewest steps from dx, dz (already `steps` away) to a way down, not turning back the way it came; 1000 when none within reach. */
        private int cost(Area a, int dx, int dz, int steps, int from) {
            int best = 1000;
            for (int i = 0; i < 4; i++) {
                if ((i ^ 1) == from) {
                    continue; // back where it came from
                }
                int sx = dx + SIDES[i][0];
                int sz = dz + SIDES[i][1];
                if (!a.open(sx, sz)) {
                    continue;
                }
                if (!a.below(sx, sz)) {
                    return steps;
                }
                if (steps < REACH) {
                    best = Math.min(best, cost(a, sx, sz, steps + 1, i));
                }
            }
            return best;
        }

        /**
         * The blocks around a flow within its reach, at its height and the one below, each read
         * from the world once however often the search for a way down passes it.
         */
        private final class Area {
            /** The search looks one beyond its reach, for the way down from the last step. */
            private static final int RADIUS = REACH + 1;
            private static final int SIZE = 2 * RADIUS + 1;
            private final BlockWorld w;
            private final int x;
            private final int y;
            private final int z;
            /** Per place at the flow's height: 0 unread, 1 open, 2 not; below: 0 unread, 1 blocked, 2 not. */
            private final byte[] level = new byte[SIZE * SIZE];
            private final byte[] under = new byte[SIZE * SIZE];

            Area(BlockWorld w, int x, int y, int z) {
                this.w = w;
                this.x = x;
                this.y = y;
                this.z = z;
            }

            /** True where the search may go on at dx, dz from the flow: not blocked, and not a source of this liquid. */
            boolean open(int dx, int dz) {
                int i = (dx + RADIUS) * SIZE + dz + RADIUS;
                if (level[i] == 0) {
                    int id = id(w, x + dx, y, z + dz);
                    level[i] = (byte) (!blocked(id) && (!k.is(id) || w.metaAt(x + dx, y, z + dz) != 0) ? 1 : 2);
                }
                return level[i] == 1;
            }

            /** True when the block under dx, dz is blocked (no way down there). */
            boolean below(int dx, int dz) {
                int i = (dx + RADIUS) * SIZE + dz + RADIUS;
                if (under[i] == 0) {
                    under[i] = (byte) (blocked(id(w, x + dx, y - 1, z + dz)) ? 1 : 2);
                }
                return under[i] == 1;
            }
        }
    }

    /** The still block of a liquid: it flows again when a neighbour changes; still lava picked at random may light fires. */
    static final class Still extends BlockBehaviour {
        private final Kind k;

        Still(Kind k) {
            this.k = k;
        }

        @Override
        public boolean ticksRandomly() {
            return k.lava;
        }

        @Override
        public void randomTick(BlockWorld w, int x, int y, int z, Random random) {
            if (k.lava) {
                Fire.fromLava(w, x, y, z, random);
            }
        }

        @Override
        public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
            if (harden(w, k, x, y, z)) {
                return;
            }
            if (w.blockAt(x, y, z) == k.still) {
                w.setBlockQuietly(x, y, z, k.flowing, w.metaAt(x, y, z));
                w.scheduleTick(x, y, z, k.flowing, k.tickRate, 0);
            }
        }
    }
}
