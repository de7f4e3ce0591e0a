package net.cubeworks.world.game.interaction;

import java.util.function.Supplier;

import net.cubeworks.world.game.block.WorldBlocks;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.game.player.Players;
import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.settings.AccessLists;
import net.cubeworks.world.settings.ServerProperties;

/**
 * Which blocks a player's hands may reach and who else is shown what they do there: his client
 * must hold the block's column, the spawn may be protected from him, a refused change is sent
 * back to him, and a break or the cracks of a dig go to the others near who hold the column.
 */
public final class BlockReach {
    private final WorldBlocks blocks;
    /** The level, read anew each time: loading the world replaces it. */
    private final Supplier<LevelState> levels;
    private final ServerProperties properties;
    private final AccessLists access;
    private final Players players;

    public BlockReach(WorldBlocks blocks, Supplier<LevelState> levels, ServerProperties properties, AccessLists access,
            Players players) {
        this.blocks = blocks;
        this.levels = levels;
        this.properties = properties;
        this.access = access;
        this.players = players;
    }

    /** Whether the spawn's protection keeps the player from changing the column of the place. */
    boolean protectedAt(OnlinePlayer p, int x, int z) {
        int radius = properties.spawnProtection();
        if (radius <= 0 || access.opNames().isEmpty() || p.isOp()) {
            return false;
        }
        LevelState level = levels.get();
        return Math.max(Math.abs(x - level.spawnX), Math.abs(z - level.spawnZ)) <= radius;
    }

    /** Whether the player's client holds the column of the place. */
    static boolean knows(OnlinePlayer p, int x, int z) {
        return p.known.contains(ColumnKey.of(x >> 4, z >> 4));
    }

    /** Shows the player the block as it is, undoing the change his client made on its own. */
    void refuseBlock(OnlinePlayer p, int x, int y, int z) {
        if (y >= 0 && y <= 255 && knows(p, x, z)) {
            p.connection().send(PlayPackets.blockChange(x, y, z, blocks.blockAt(x, y, z), blocks.metaAt(x, y, z)));
        }
    }

    /** Sends the frame to every player but p who holds the block's column and stands within the distance of it. */
    void toOthersNear(OnlinePlayer p, int x, int y, int z, double distance, byte[] frame) {
        long column = ColumnKey.of(x >> 4, z >> 4);
        for (OnlinePlayer q : players.inJoinOrder()) {
            if (q == p || !q.known.contains(column)) {
                continue;
            }
            double dx = q.x - (x + 0.5);
            double dy = q.y - (y + 0.5);
            double dz = q.z - (z + 0.5);
            if (dx * dx + dy * dy + dz * dz < distance * distance) {
                q.connection().sendFrame(frame);
            }
        }
    }

    /** True when a living player's box (0.6 wide, 1.8 high) takes part of the cell. */
    boolean occupied(int x, int y, int z) {
        for (OnlinePlayer q : players.inJoinOrder()) {
            if (q.dead) {
                continue;
            }
            if (q.x + 0.3 > x && q.x - 0.3 < x + 1 && q.y + 1.8 > y && q.y < y + 1 && q.z + 0.3 > z
                    && q.z - 0.3 < z + 1) {
                return true;
            }
        }
        return false;
    }
}
