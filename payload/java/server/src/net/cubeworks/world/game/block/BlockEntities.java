package net.cubeworks.world.game.block;

import java.util.List;
import java.util.function.Supplier;
import java.util.logging.Logger;

import net.cubeworks.world.game.world.ColumnCache;
import net.cubeworks.world.game.world.Viewer;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.ColumnKey;
import net.cubeworks.world.level.SlotRow;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.storage.Unavailable;

/**
 * The block entities of the world's columns as the game and the plugin API reach them by place:
 * a sign's text, a container's slots, a jukebox's record. Used under the world lock; what changes
 * them runs on the game thread and marks their column for saving.
 */
public final class BlockEntities {
    private final ColumnCache cache;
    private final Logger logger;
    /** Everybody online, to show a sign's new text to those who have its column. */
    private final Supplier<? extends List<? extends Viewer>> viewers;

    public BlockEntities(ColumnCache cache, Logger logger, Supplier<? extends List<? extends Viewer>> viewers) {
        this.cache = cache;
        this.logger = logger;
        this.viewers = viewers;
    }

    /**
     * The block's entity: the one its column keeps, or for a sign or container that has none (a
     * block of a world that kept none) a new empty one. Null when the block has no kind the world
     * keeps state of, or its column cannot be read now.
     */
    public BlockEntity at(int x, int y, int z) {
        if (y < 0 || y > 255) {
            return null;
        }
        Column c;
        try {
            c = cache.resolve(x >> 4, z >> 4);
        } catch (Unavailable e) {
            return null;
        }
        if (c == null) {
            return null; // the flat ground: no block with an entity
        }
        BlockEntity e = c.blockEntity(x & 15, y, z & 15);
        if (e == null) {
            // empty, so nothing to save until it changes
            e = BlockEntity.forBlock(c.block(x & 15, y, z & 15), x, y, z);
            if (e != null) {
                c.putBlockEntity(e);
            }
        }
        return e;
    }

    /** After a block entity in the column of (x, z) changed: the column is saved with the next save. */
    public void changed(int x, int z) {
        cache.changed(ColumnKey.of(x >> 4, z >> 4));
    }

    /** A copy of the stacks in the block's slots, to go to whoever breaks it; null when it has none. */
    public SlotRow contents(int x, int y, int z) {
        BlockEntity e = at(x, y, z);
        if (e instanceof BlockEntity.Jukebox && ((BlockEntity.Jukebox) e).recordId > 0) {
            BlockEntity.Jukebox j = (BlockEntity.Jukebox) e;
            SlotRow record = new SlotRow(1);
            record.set(0, j.recordId, 1, j.recordData, j.recordTag);
            return record;
        }
        if (!(e instanceof BlockEntity.Container)) {
            return null;
        }
        SlotRow slots = ((BlockEntity.Container) e).slots;
        SlotRow copy = new SlotRow(slots.size());
        slots.copyInto(copy);
        return copy;
    }

    /** The sign's four lines; empty ones where the block is no sign. */
    public String[] signLines(int x, int y, int z) {
        BlockEntity e = at(x, y, z);
        return e instanceof BlockEntity.Sign ? ((BlockEntity.Sign) e).lines() : new String[] {"", "", "", ""};
    }

    /**
     * Whether the player's client may write the sign's text: only the player who placed it may,
     * until he has, as in the game. A refusal is said on the console, and the player is sent the
     * sign's text again in place of what his client shows.
     */
    public boolean mayWrite(Viewer p, int x, int y, int z) {
        BlockEntity e = at(x, y, z);
        if (e instanceof BlockEntity.Sign && ((BlockEntity.Sign) e).editor == p) {
            return true;
        }
        logger.warning("Player " + p.getName() + " just tried to change non-editable sign");
        if (e instanceof BlockEntity.Sign) {
            p.connection().send(PlayPackets.updateSign(x, y, z, ((BlockEntity.Sign) e).lines()));
        }
        return false;
    }

    /**
     * Keeps the lines as the sign's text and shows it to everybody who has its column; where the
     * block is no sign, nothing is kept or shown.
     */
    public void setSignText(int x, int y, int z, String[] lines) {
        BlockEntity e = at(x, y, z);
        if (!(e instanceof BlockEntity.Sign)) {
            return;
        }
        BlockEntity.Sign sign = (BlockEntity.Sign) e;
        sign.setLines(lines);
        sign.editor = null;
        changed(x, z);
        long column = ColumnKey.of(x >> 4, z >> 4);
        byte[] frame = PlayPackets.updateSign(x, y, z, sign.lines()).frame();
        for (Viewer q : viewers.get()) {
            if (q.known().contains(column)) {
                q.connection().sendFrame(frame);
            }
        }
    }
}
