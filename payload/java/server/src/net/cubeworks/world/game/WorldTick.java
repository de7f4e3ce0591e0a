package net.cubeworks.world.game;

import java.util.Collections;
import java.util.List;

import net.cubeworks.world.game.block.Furnaces;
import net.cubeworks.world.game.block.Hoppers;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.game.event.WorldEvents;
import net.cubeworks.world.game.interaction.Interaction;
import net.cubeworks.world.game.player.Delivery;
import net.cubeworks.world.game.player.IdleKick;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.PlayerCollectors;
import net.cubeworks.world.game.player.Survival;
import net.cubeworks.world.game.player.Visibility;
import net.cubeworks.world.game.window.BlockWindows;
import net.cubeworks.world.game.window.FurnaceWindows;
import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.game.api.ApiWorld;
import net.cubeworks.world.game.player.WorldSaver;

/**
 * The order of one tick of the world: the clocks, each player's survival and effects and moves,
 * every other entity, what plugins are told, the blocks changed, the time sent each second,
 * and what memory and the disk are given back. Counts the ticks.
 */
final class WorldTick {
    private final Game game;
    private final GameWorld world;
    private final ColumnCache cache;
    private final Delivery delivery;
    private final Visibility visibility;
    private final Survival survival;
    private final Interaction interaction;
    private final WorldSaver saver;
    private final ApiWorld api;
    private final Furnaces furnaces;
    private final FurnaceWindows furnaceWindows;
    private final Hoppers hoppers;
    private final BlockWindows blockWindows;
    private long tick;
    private final java.util.Random random = new java.util.Random();

    WorldTick(Game game, GameWorld world, ColumnCache cache, Delivery delivery, Visibility visibility, Survival survival,
            Interaction interaction, WorldSaver saver, ApiWorld api, Furnaces furnaces, FurnaceWindows furnaceWindows,
            Hoppers hoppers, BlockWindows blockWindows) {
        this.game = game;
        this.world = world;
        this.cache = cache;
        this.delivery = delivery;
        this.visibility = visibility;
        this.survival = survival;
        this.interaction = interaction;
        this.saver = saver;
        this.api = api;
        this.furnaces = furnaces;
        this.furnaceWindows = furnaceWindows;
        this.hoppers = hoppers;
        this.blockWindows = blockWindows;
    }

    /** The ticks run so far. */
    long current() {
        return tick;
    }

    /**
     * One tick, under the lock. Returns what it has for each client, {player, bytes}, to be
     * queued once the lock is let go; packets sent from other threads in between concern
     * other things (blocks, columns), or entities the client then learns of a moment later.
     */
    List<Object[]> run() {
        if (game.isStopping()) {
            return Collections.emptyList();
        }
        List<OnlinePlayer> all = game.players().inJoinOrder();
        List<Object[]> out;
        delivery.beginTick();
        try {
            tick++;
            LevelState level = world.level();
            level.time++;
            if ("true".equals(level.gameRules.get("doDaylightCycle"))) {
                level.dayTime++;
            }
            for (OnlinePlayer p : all) {
                try {
                    p.actionsThisTick = 0;
                    survival.tick(p, tick);
                    world.effects().tick(p, tick);
                    if (!p.dead) {
                        visibility.trackMovement(p, all, tick);
                    }
                    if (tick % GameWorld.HOUSEKEEPING_TICKS == 0 && p.withheld && p.isOnline()) {
                        p.withheld = false;
                        world.stream(p); // the columns that could not be read are asked for again
                    }
                } catch (RuntimeException ex) {
                    // one player's trouble must not stop the world for the others
                    game.logger().log(java.util.logging.Level.SEVERE, "Exception in the tick of " + p.getName(), ex);
                }
            }
            world.beds().tick(all);
            world.blocks().tickBlocks(all);
            furnaces.tick(tick);
            furnaceWindows.tick(all);
            hoppers.tick(tick);
            blockWindows.tick(all);
            world.weather().tick(level, random);
            world.mobs().tick(tick);
            tickEntities(all);
            for (long k : cache.takeWithEntities()) {
                world.columnEntities().arrived(k);
            }
            world.columnEntities().tick(tick);
            world.items().tick(PlayerCollectors.of(all));
            List<long[]> loaded = cache.takeLoaded();
            for (long[] l : loaded) {
                if (l[1] == 1) {
                    world.mobs().newLand(ColumnKey.x(l[0]), ColumnKey.z(l[0])); // animals come with new land
                }
            }
            WorldEvents.chunksLoaded(game.host(), api, loaded);
            visibility.update(tick);
            // the cracks of each dig as far as it has gone, a table's window closed when its player
            // is no longer at the table, and each player's swing and newest held item since the
            // last tick, to the clients that show him
            interaction.showDigs(all);
            for (OnlinePlayer p : all) {
                world.windows().checkOpen(p);
                world.hands().relay(p);
            }
            if (tick % GameWorld.TICKS_PER_SECOND == 0) {
                byte[] time = world.timePacket().frame();
                for (OnlinePlayer p : all) {
                    if (p.hasOwnTime()) {
                        delivery.out(p, p.timePacket(level));
                    } else {
                        delivery.out(p, time);
                    }
                }
            }
            if (tick % GameWorld.TICKS_PER_SECOND == 0) {
                IdleKick.check(game.idleTimeout(), game.players(), all);
            }
            // what players walked away from goes now, written first when it changed; with saving
            // off (save-off) a changed column stays in memory instead, as nothing may be written
            if (cache.leaving()) {
                world.columnEntities().beforeForget(); // the entities of columns about to go go into them first
            }
            saver.saveColumnsLater(cache.releaseLeftBehind(all, world.autoSave()));
            if (tick % GameWorld.SAVE_INTERVAL_TICKS == 0) {
                if (world.autoSave()) {
                    world.saveLater();
                }
            } else if (tick % GameWorld.HOUSEKEEPING_TICKS == 0
                    || tick % GameWorld.TICKS_PER_SECOND == 0 && net.cubeworks.world.util.HeapWatch.pressed()) {
                world.forgetUnseen(); // short of room: what nobody sees goes now, the spawn area too
            }
        } finally {
            out = delivery.endTick(game.players().inJoinOrder());
        }
        return out;
    }

    /**
     * Every entity's own tick, of every kind; the ones that are gone leave the world and their
     * viewers' screens, the others' moves are shown (players' moves were, with their own tick).
     */
    private void tickEntities(List<OnlinePlayer> players) {
        for (WorldEntity e : game.entities().all()) {
            try {
                e.tick(tick);
                if (e.isRemoved()) {
                    game.entities().remove(e);
                    visibility.hide(e);
                } else if (!(e instanceof OnlinePlayer) && (tick + e.getEntityId()) % e.updateInterval() == 0) {
                    visibility.trackMovement(e, players, tick);
                }
            } catch (RuntimeException ex) {
                // one entity's trouble must not stop the world
                game.logger().log(java.util.logging.Level.SEVERE, "Exception in the tick of entity " + e.getEntityId(), ex);
                if (!(e instanceof OnlinePlayer)) {
                    e.markRemoved();
                }
            }
        }
    }
}
