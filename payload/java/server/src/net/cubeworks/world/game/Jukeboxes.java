package net.cubeworks.world.game;

import org.bukkit.GameMode;

import net.cubeworks.world.game.block.JukeboxBlock;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;

/**
 * A jukebox used by a player: a record from his hand goes in and plays for everybody near (the
 * game's effect 1005 with the record's id; the block's data 1 while it holds one), or the record
 * in it comes out, falling on top, and the music stops. The record is kept in its block entity
 * (the game's RecordItem) and falls out when the jukebox is broken.
 */
final class Jukeboxes {
    /** The world effect that starts a record (its id) or stops the music (0). */
    private static final int RECORD_EFFECT = 1005;

    private Jukeboxes() {
    }

    /** A right click on the block: false when it is no jukebox. */
    static boolean use(GameWorld world, OnlinePlayer p, int x, int y, int z) {
        if (world.blocks().blockAt(x, y, z) != BlockIds.JUKEBOX) {
            return false;
        }
        BlockEntity e = BlockEntities.at(world, x, y, z);
        if (!(e instanceof BlockEntity.Jukebox)) {
            return true;
        }
        BlockEntity.Jukebox j = (BlockEntity.Jukebox) e;
        int slot = p.handSlot();
        if (j.recordId > 0 || world.blocks().metaAt(x, y, z) != 0) {
            int id = j.recordId;
            j.recordId = 0;
            world.blocks().setBlock(x, y, z, BlockIds.JUKEBOX, 0);
            world.blocks().playEffect(RECORD_EFFECT, x, y, z, 0);
            if (id > 0) {
                world.items().dropItemNaturally(x + 0.5, y + 1.0, z + 0.5, id, 1, j.recordData, j.recordTag);
            }
            j.recordData = 0;
            j.recordTag = null;
        } else if (JukeboxBlock.isRecord(p.inventory().item(slot))) {
            j.recordId = p.inventory().item(slot);
            j.recordData = p.inventory().data(slot);
            j.recordTag = p.inventory().tag(slot);
            world.blocks().setBlock(x, y, z, BlockIds.JUKEBOX, 1);
            world.blocks().playEffect(RECORD_EFFECT, x, y, z, j.recordId);
            if (p.getGameMode() != GameMode.CREATIVE) {
                p.inventory().takeOne(slot);
                p.sendSlot(slot);
                p.showHeldItem();
            }
        }
        BlockEntities.changed(world, x, z);
        return true;
    }
}
