package net.cubeworks.world.game.block;

import net.cubeworks.world.game.entity.GroundItems;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;

/**
 * A jukebox used by a player: a record from his hand goes in and plays for everybody near (the
 * game's effect 1005 with the record's id; the block's data 1 while it holds one), or the record
 * in it comes out, falling on top, and the music stops. The record is kept in its block entity
 * (the game's RecordItem) and falls out when the jukebox is broken.
 */
public final class Jukeboxes {
    /** The block is no jukebox. */
    public static final int NOT_JUKEBOX = 0;
    /** The jukebox took the use: its record came out, or nothing happened. */
    public static final int USED = 1;
    /** The record in the hand went in: one is taken from the hand, unless in creative. */
    public static final int RECORD_IN = 2;
    /** The world effect that starts a record (its id) or stops the music (0). */
    private static final int RECORD_EFFECT = 1005;

    private final BlockEntities entities;
    private final WorldBlocks blocks;
    private final GroundItems items;

    public Jukeboxes(BlockEntities entities, WorldBlocks blocks, GroundItems items) {
        this.entities = entities;
        this.blocks = blocks;
        this.items = items;
    }

    /** A right click on the block with the item in hand: {@link #NOT_JUKEBOX}, {@link #USED} or {@link #RECORD_IN}. */
    public int use(int x, int y, int z, int handItem, int handData, Object handTag) {
        if (blocks.blockAt(x, y, z) != BlockIds.JUKEBOX) {
            return NOT_JUKEBOX;
        }
        BlockEntity e = entities.at(x, y, z);
        if (!(e instanceof BlockEntity.Jukebox)) {
            return USED;
        }
        BlockEntity.Jukebox j = (BlockEntity.Jukebox) e;
        int outcome = USED;
        if (j.recordId > 0 || blocks.metaAt(x, y, z) != 0) {
            int id = j.recordId;
            j.recordId = 0;
            blocks.setBlock(x, y, z, BlockIds.JUKEBOX, 0);
            blocks.playEffect(RECORD_EFFECT, x, y, z, 0);
            if (id > 0) {
                items.dropItemNaturally(x + 0.5, y + 1.0, z + 0.5, id, 1, j.recordData, j.recordTag);
            }
            j.recordData = 0;
            j.recordTag = null;
        } else if (JukeboxBlock.isRecord(handItem)) {
            j.recordId = handItem;
            j.recordData = handData;
            j.recordTag = handTag;
            blocks.setBlock(x, y, z, BlockIds.JUKEBOX, 1);
            blocks.playEffect(RECORD_EFFECT, x, y, z, j.recordId);
            outcome = RECORD_IN;
        }
        entities.changed(x, z);
        return outcome;
    }
}
