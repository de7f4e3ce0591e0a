package net.cubeworks.world.game.player;

import java.util.List;
import java.util.function.LongConsumer;
import java.util.function.Supplier;

import org.bukkit.Location;
import org.bukkit.World;

import net.cubeworks.world.game.block.Bed;
import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.entity.Entities;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.BedEvents;
import net.cubeworks.world.game.mob.Daylight;
import net.cubeworks.world.game.mob.Mob;
import net.cubeworks.world.game.mob.MobKind;
import net.cubeworks.world.game.thread.GameHost;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.game.world.Weather;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.protocol.PlayPackets;

/**
 * Sleeping, by the game's rules. A right click on a bed lies the player down when it is night
 * (or a thunderstorm darkens the day), he is within 3 blocks of its head (2 up or down), no
 * monster is within 8 blocks of it (5 up or down), nobody lies in it and the plugins agree; his
 * client and those that show him see him in the bed (Use Bed). He gets up when he asks (the
 * client's "leave bed"), when the day comes, when he is hurt or his bed goes; getting up by
 * himself or with the morning makes the bed his spawn point. When every player in the world
 * has slept 100 ticks, the night ends: the time goes on to the next morning, the rain and
 * thunder stop and everyone gets up. At a respawn the bed must still be there with a free place
 * beside it, else the client is told his home bed was missing or obstructed and the world's
 * spawn is used.
 */
public final class Beds {
    public static final String NOT_NOW = "You can only sleep at night";
    public static final String NOT_SAFE = "You may not rest now, there are monsters nearby";
    public static final String OCCUPIED = "This bed is occupied";

    private final WorldBlocks blocks;
    private final Supplier<LevelState> level;
    private final GameHost host;
    private final World api;
    private final Teleport teleport;
    private final Visibility visibility;
    private final Players players;
    private final Entities entities;
    private final Weather weather;
    private final LongConsumer setDayTime;
    private final ColumnCache cache;

    /**
     * Beds in the world's blocks and columns (the cache, read for a bed at a respawn), by the
     * level's clock and weather; the plugins' events through the host see beds as the plugins'
     * world has them; sleepers lie down and get up by teleports, are shown by the visibility, and
     * are counted over the player list; monsters near are found among the entities; a night slept
     * through sets the day's time (setDayTime tells the clients).
     */
    public Beds(WorldBlocks blocks, Supplier<LevelState> level, GameHost host, World api, Teleport teleport,
            Visibility visibility, Players players, Entities entities, Weather weather, LongConsumer setDayTime,
            ColumnCache cache) {
        this.blocks = blocks;
        this.level = level;
        this.host = host;
        this.api = api;
        this.teleport = teleport;
        this.visibility = visibility;
        this.players = players;
        this.entities = entities;
        this.weather = weather;
        this.setDayTime = setDayTime;
        this.cache = cache;
    }

    /** Whether it is day for a sleeper: the sky darkened less than 4 levels (rain alone does not, thunder does). */
    public static boolean day(LevelState l) {
        return Daylight.isDay(l.dayTime, l.raining, l.raining && l.thundering);
    }

    /** The player's right click on the bed whose head is at the place. */
    public void use(OnlinePlayer p, int x, int y, int z) {
        if (p.dead || p.sleep.sleeping) {
            return;
        }
        int meta = blocks.metaAt(x, y, z);
        if ((meta & Bed.OCCUPIED) != 0) {
            if (sleeperIn(x, y, z) != null) {
                p.sendMessage(OCCUPIED);
                return;
            }
            blocks.setBlock(x, y, z, BlockIds.BED, meta & ~Bed.OCCUPIED); // nobody there after all
        }
        if (day(level.get())) {
            p.sendMessage(NOT_NOW);
            return;
        }
        if (Math.abs(p.x - x) > 3 || Math.abs(p.y - y) > 2 || Math.abs(p.z - z) > 3) {
            return; // too far: nothing, as in the game
        }
        if (monsterNear(x, y, z)) {
            p.sendMessage(NOT_SAFE);
            return;
        }
        if (!BedEvents.enter(host, p, api.getBlockAt(x, y, z))) {
            return;
        }
        int facing = meta & 3;
        double ox = facing == 1 ? 0.1 : facing == 3 ? 0.9 : 0.5;
        double oz = facing == 0 ? 0.9 : facing == 2 ? 0.1 : 0.5;
        if (!teleport.to(p, x + ox, y + 0.9375, z + oz, p.yaw, p.pitch)) {
            return;
        }
        p.sleep.sleeping = true;
        p.sleep.ticks = 0;
        p.sleep.bed = new int[] {x, y, z};
        p.sleep.health = p.health;
        blocks.setBlock(x, y, z, BlockIds.BED, (meta & ~Bed.OCCUPIED) | Bed.OCCUPIED);
        net.cubeworks.world.protocol.PacketOut lie = net.cubeworks.world.protocol.MobPackets.useBed(p.getEntityId(), x, y, z);
        visibility.toViewers(p, lie);
        p.connection().send(lie);
    }

    /** A sleeper comes into a client's sight lying in his bed. */
    public static void showLying(OnlinePlayer p, List<net.cubeworks.world.protocol.PacketOut> spawn) {
        int[] bed = p.sleep.sleeping ? p.sleep.bed : null;
        if (bed != null) {
            spawn.add(net.cubeworks.world.protocol.MobPackets.useBed(p.getEntityId(), bed[0], bed[1], bed[2]));
        }
    }

    /** The player who sleeps in the bed whose head is at the place, or null. */
    OnlinePlayer sleeperIn(int x, int y, int z) {
        for (OnlinePlayer q : players.inJoinOrder()) {
            int[] b = q.sleep.bed;
            if (q.sleep.sleeping && b != null && b[0] == x && b[1] == y && b[2] == z) {
                return q;
            }
        }
        return null;
    }

    /** A monster whose box reaches into 8 blocks of the bed's block across and 5 up or down. */
    boolean monsterNear(int x, int y, int z) {
        for (WorldEntity e : entities.all()) {
            if (e instanceof Mob && !e.isRemoved() && ((Mob) e).kind.family == MobKind.Family.MONSTER
                    && !((Mob) e).isDead()) {
                Mob m = (Mob) e;
                double half = m.kind.width / 2;
                if (m.x + half > x - 8 && m.x - half < x + 8 && m.z + half > z - 8 && m.z - half < z + 8
                        && m.y + m.kind.height > y - 5 && m.y < y + 5) {
                    return true;
                }
            }
        }
        return false;
    }

    /** The client's "leave bed". */
    public void leave(OnlinePlayer p) {
        wake(p, false, true);
    }

    /**
     * Gets the player out of bed: his viewers and he see it, he stands beside the bed (or on it),
     * the bed is free again; forced (hurt, the bed gone) he starts his count again, else the bed
     * is his spawn point now.
     */
    public void wake(OnlinePlayer p, boolean forced, boolean setSpawn) {
        if (!p.sleep.sleeping) {
            return;
        }
        int[] b = p.sleep.bed;
        p.sleep.sleeping = false;
        p.sleep.ticks = forced ? 0 : Sleep.DEEP;
        net.cubeworks.world.protocol.PacketOut up = PlayPackets.animation(p.getEntityId(), PlayPackets.ANIMATION_LEAVE_BED);
        visibility.toViewers(p, up);
        p.connection().send(up);
        if (blocks.blockAt(b[0], b[1], b[2]) == BlockIds.BED) {
            int meta = blocks.metaAt(b[0], b[1], b[2]);
            if ((meta & Bed.OCCUPIED) != 0) {
                blocks.setBlock(b[0], b[1], b[2], BlockIds.BED, meta & ~Bed.OCCUPIED);
            }
            int[] out = Bed.exit(blocks, b[0], b[1], b[2]);
            if (out == null) {
                out = new int[] {b[0], b[1] + 1, b[2]};
            }
            if (!p.dead) {
                teleport.to(p, out[0] + 0.5, out[1] + 0.1, out[2] + 0.5, p.yaw, p.pitch);
            }
        }
        if (setSpawn) {
            p.spawnPoint = b.clone();
            p.sleep.spawnForced = false;
        }
        BedEvents.leave(host, p, api.getBlockAt(b[0], b[1], b[2]));
    }

    /** Each tick: sleepers count, wake when day comes, when hurt or when the bed goes; a night all slept through ends. */
    public void tick(List<OnlinePlayer> players) {
        boolean day = day(level.get());
        boolean anyDeep = false;
        boolean allAsleep = !players.isEmpty();
        for (OnlinePlayer p : players) {
            Sleep s = p.sleep;
            if (s.sleeping) {
                if (s.ticks < Sleep.DEEP) {
                    s.ticks++;
                }
                int[] b = s.bed;
                if (p.dead || p.health < s.health || blocks.blockAt(b[0], b[1], b[2]) != BlockIds.BED) {
                    wake(p, true, false);
                } else if (day) {
                    wake(p, false, true);
                }
            }
            if (s.sleeping && s.ticks >= Sleep.DEEP) {
                anyDeep = true;
            } else if (!s.ignored) {
                allAsleep = false;
            }
        }
        if (allAsleep && anyDeep) {
            morning(players);
        }
    }

    /** The night all players slept through ends: the next morning, no rain or thunder, everyone up. */
    void morning(List<OnlinePlayer> players) {
        LevelState l = level.get();
        if ("true".equals(l.gameRules.get("doDaylightCycle"))) {
            long t = l.dayTime + 24000L;
            setDayTime.accept(t - t % 24000L);
        }
        for (OnlinePlayer p : players) {
            wake(p, false, true);
        }
        weather.setRaining(l, false);
        weather.setThundering(l, false);
        l.rainTime = 0; // new times come at the next tick
        l.thunderTime = 0;
    }

    /**
     * Where the player comes back at a respawn, {x, y, z} of the block, or null for the world's
     * spawn: beside his bed, or on his forced spawn point where a body fits.
     */
    public int[] spawnPlace(OnlinePlayer p) {
        int[] own = p.spawnPoint;
        if (own == null || own[1] < 0 || own[1] > 255) {
            return null;
        }
        if (blocks.blockAt(own[0], own[1], own[2]) == BlockIds.BED) {
            return Bed.exit(blocks, own[0], own[1], own[2]);
        }
        return p.sleep.spawnForced && Bed.roomAt(blocks, own[0], own[1], own[2]) ? own.clone() : null;
    }

    /**
     * The place of a respawn, {x, y, z}, or null for the world's spawn: a player whose bed is
     * missing or obstructed loses it and his client says so (not when the bed's column cannot be
     * read now: the bed may well be there).
     */
    public double[] respawnPlace(OnlinePlayer p) {
        int[] own = p.spawnPoint;
        if (own == null) {
            return null;
        }
        try {
            cache.resolve(own[0] >> 4, own[2] >> 4);
        } catch (net.cubeworks.world.storage.Unavailable e) {
            return null; // his bed's land cannot be read now: the world's spawn this time, the bed kept
        }
        int[] at = spawnPlace(p);
        if (at == null) {
            p.spawnPoint = null;
            p.sleep.spawnForced = false;
            p.connection().send(PlayPackets.changeGameState(PlayPackets.GAME_STATE_INVALID_BED, 0f));
            return null;
        }
        return new double[] {at[0] + 0.5, at[1] + 0.1, at[2] + 0.5};
    }

    /** A plugin's setting of the spawn point; forced: it holds without a bed there. */
    public static void setSpawn(OnlinePlayer p, Location at, boolean forced) {
        p.spawnPoint = at == null ? null : new int[] {at.getBlockX(), at.getBlockY(), at.getBlockZ()};
        p.sleep.spawnForced = at != null && forced;
    }
}
