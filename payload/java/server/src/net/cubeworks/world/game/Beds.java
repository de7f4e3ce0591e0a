package net.cubeworks.world.game;

import java.util.List;

import org.bukkit.Location;

import net.cubeworks.world.game.block.Bed;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.BedEvents;
import net.cubeworks.world.game.mob.Daylight;
import net.cubeworks.world.game.mob.Mob;
import net.cubeworks.world.game.mob.MobKind;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Sleep;
import net.cubeworks.world.game.world.LevelState;
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
    static final String NOT_NOW = "You can only sleep at night";
    static final String NOT_SAFE = "You may not rest now, there are monsters nearby";
    static final String OCCUPIED = "This bed is occupied";

    private Beds() {
    }

    /** Whether it is day for a sleeper: the sky darkened less than 4 levels (rain alone does not, thunder does). */
    static boolean day(LevelState l) {
        return Daylight.isDay(l.dayTime, l.raining, l.raining && l.thundering);
    }

    /** The player's right click on the bed whose head is at the place. */
    static void use(GameWorld w, OnlinePlayer p, int x, int y, int z) {
        if (p.dead || p.sleep.sleeping) {
            return;
        }
        int meta = w.blocks().metaAt(x, y, z);
        if ((meta & Bed.OCCUPIED) != 0) {
            if (sleeperIn(w, x, y, z) != null) {
                p.sendMessage(OCCUPIED);
                return;
            }
            w.blocks().setBlock(x, y, z, BlockIds.BED, meta & ~Bed.OCCUPIED); // nobody there after all
        }
        if (day(w.level())) {
            p.sendMessage(NOT_NOW);
            return;
        }
        if (Math.abs(p.x - x) > 3 || Math.abs(p.y - y) > 2 || Math.abs(p.z - z) > 3) {
            return; // too far: nothing, as in the game
        }
        if (monsterNear(w, x, y, z)) {
            p.sendMessage(NOT_SAFE);
            return;
        }
        if (!BedEvents.enter(w.game().host(), p, w.api().getBlockAt(x, y, z))) {
            return;
        }
        int facing = meta & 3;
        double ox = facing == 1 ? 0.1 : facing == 3 ? 0.9 : 0.5;
        double oz = facing == 0 ? 0.9 : facing == 2 ? 0.1 : 0.5;
        if (!w.teleport().to(p, x + ox, y + 0.9375, z + oz, p.yaw, p.pitch)) {
            return;
        }
        p.sleep.sleeping = true;
        p.sleep.ticks = 0;
        p.sleep.bed = new int[] {x, y, z};
        p.sleep.health = p.health;
        w.blocks().setBlock(x, y, z, BlockIds.BED, (meta & ~Bed.OCCUPIED) | Bed.OCCUPIED);
        net.cubeworks.world.protocol.PacketOut lie = net.cubeworks.world.protocol.MobPackets.useBed(p.getEntityId(), x, y, z);
        w.visibility().toViewers(p, lie);
        p.connection().send(lie);
    }

    /** A sleeper comes into a client's sight lying in his bed. */
    static void showLying(OnlinePlayer p, List<net.cubeworks.world.protocol.PacketOut> spawn) {
        int[] bed = p.sleep.sleeping ? p.sleep.bed : null;
        if (bed != null) {
            spawn.add(net.cubeworks.world.protocol.MobPackets.useBed(p.getEntityId(), bed[0], bed[1], bed[2]));
        }
    }

    /** The player who sleeps in the bed whose head is at the place, or null. */
    static OnlinePlayer sleeperIn(GameWorld w, int x, int y, int z) {
        for (OnlinePlayer q : w.game().players().inJoinOrder()) {
            int[] b = q.sleep.bed;
            if (q.sleep.sleeping && b != null && b[0] == x && b[1] == y && b[2] == z) {
                return q;
            }
        }
        return null;
    }

    /** A monster whose box reaches into 8 blocks of the bed's block across and 5 up or down. */
    static boolean monsterNear(GameWorld w, int x, int y, int z) {
        for (WorldEntity e : w.game().entities().all()) {
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
    public static void leave(GameWorld w, OnlinePlayer p) {
        wake(w, p, false, true);
    }

    /**
     * Gets the player out of bed: his viewers and he see it, he stands beside the bed (or on it),
     * the bed is free again; forced (hurt, the bed gone) he starts his count again, else the bed
     * is his spawn point now.
     */
    static void wake(GameWorld w, OnlinePlayer p, boolean forced, boolean setSpawn) {
        if (!p.sleep.sleeping) {
            return;
        }
        int[] b = p.sleep.bed;
        p.sleep.sleeping = false;
        p.sleep.ticks = forced ? 0 : Sleep.DEEP;
        net.cubeworks.world.protocol.PacketOut up = PlayPackets.animation(p.getEntityId(), PlayPackets.ANIMATION_LEAVE_BED);
        w.visibility().toViewers(p, up);
        p.connection().send(up);
        if (w.blocks().blockAt(b[0], b[1], b[2]) == BlockIds.BED) {
            int meta = w.blocks().metaAt(b[0], b[1], b[2]);
            if ((meta & Bed.OCCUPIED) != 0) {
                w.blocks().setBlock(b[0], b[1], b[2], BlockIds.BED, meta & ~Bed.OCCUPIED);
            }
            int[] out = Bed.exit(w.blocks(), b[0], b[1], b[2]);
            if (out == null) {
                out = new int[] {b[0], b[1] + 1, b[2]};
            }
            if (!p.dead) {
                w.teleport().to(p, out[0] + 0.5, out[1] + 0.1, out[2] + 0.5, p.yaw, p.pitch);
            }
        }
        if (setSpawn) {
            p.spawnPoint = b.clone();
            p.sleep.spawnForced = false;
        }
        BedEvents.leave(w.game().host(), p, w.api().getBlockAt(b[0], b[1], b[2]));
    }

    /** Each tick: sleepers count, wake when day comes, when hurt or when the bed goes; a night all slept through ends. */
    static void tick(GameWorld w, List<OnlinePlayer> players) {
        boolean day = day(w.level());
        boolean anyDeep = false;
        boolean allAsleep = !players.isEmpty();
        for (OnlinePlayer p : players) {
            Sleep s = p.sleep;
            if (s.sleeping) {
                if (s.ticks < Sleep.DEEP) {
                    s.ticks++;
                }
                int[] b = s.bed;
                if (p.dead || p.health < s.health || w.blocks().blockAt(b[0], b[1], b[2]) != BlockIds.BED) {
                    wake(w, p, true, false);
                } else if (day) {
                    wake(w, p, false, true);
                }
            }
            if (s.sleeping && s.ticks >= Sleep.DEEP) {
                anyDeep = true;
            } else if (!s.ignored) {
                allAsleep = false;
            }
        }
        if (allAsleep && anyDeep) {
            morning(w, players);
        }
    }

    /** The night all players slept through ends: the next morning, no rain or thunder, everyone up. */
    static void morning(GameWorld w, List<OnlinePlayer> players) {
        LevelState l = w.level();
        if ("true".equals(l.gameRules.get("doDaylightCycle"))) {
            long t = l.dayTime + 24000L;
            w.setDayTime(t - t % 24000L);
        }
        for (OnlinePlayer p : players) {
            wake(w, p, false, true);
        }
        w.weather().setRaining(l, false);
        w.weather().setThundering(l, false);
        l.rainTime = 0; // new times come at the next tick
        l.thunderTime = 0;
    }

    /**
     * Where the player comes back at a respawn, {x, y, z} of the block, or null for the world's
     * spawn: beside his bed, or on his forced spawn point where a body fits.
     */
    static int[] spawnPlace(GameWorld w, OnlinePlayer p) {
        int[] own = p.spawnPoint;
        if (own == null || own[1] < 0 || own[1] > 255) {
            return null;
        }
        if (w.blocks().blockAt(own[0], own[1], own[2]) == BlockIds.BED) {
            return Bed.exit(w.blocks(), own[0], own[1], own[2]);
        }
        return p.sleep.spawnForced && Bed.roomAt(w.blocks(), own[0], own[1], own[2]) ? own.clone() : null;
    }

    /**
     * The place of a respawn, {x, y, z}, or null for the world's spawn: a player whose bed is
     * missing or obstructed loses it and his client says so (not when the bed's column cannot be
     * read now: the bed may well be there).
     */
    static double[] respawnPlace(GameWorld w, OnlinePlayer p) {
        int[] own = p.spawnPoint;
        if (own == null) {
            return null;
        }
        try {
            w.cache().resolve(own[0] >> 4, own[2] >> 4);
        } catch (net.cubeworks.world.storage.Unavailable e) {
            return null; // his bed's land cannot be read now: the world's spawn this time, the bed kept
        }
        int[] at = spawnPlace(w, p);
        if (at == null) {
            p.spawnPoint = null;
            p.sleep.spawnForced = false;
            p.connection().send(PlayPackets.changeGameState(PlayPackets.GAME_STATE_INVALID_BED, 0f));
            return null;
        }
        return new double[] {at[0] + 0.5, at[1] + 0.1, at[2] + 0.5};
    }

    /** A plugin's setting of the spawn point; forced: it holds without a bed there. */
    static void setSpawn(OnlinePlayer p, Location at, boolean forced) {
        p.spawnPoint = at == null ? null : new int[] {at.getBlockX(), at.getBlockY(), at.getBlockZ()};
        p.sleep.spawnForced = at != null && forced;
    }
}
