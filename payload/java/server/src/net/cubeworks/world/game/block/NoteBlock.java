package net.cubeworks.world.game.block;

import net.cubeworks.world.game.event.NoteEvents;
import net.cubeworks.world.game.world.BlockUser;
import net.cubeworks.world.game.world.BlockWorld;
import net.cubeworks.world.game.world.Terrain;
import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.level.BlockTable;

/**
 * A note block: a right click tunes it a semitone up (after 24 it comes round to 0) and plays it,
 * a hit plays it, and so does power coming to it (once, as it rises). It plays only with air
 * above it: a Block Action the clients sound, with the instrument of the block under it (stone
 * and the like a bass drum, sand and gravel a snare, glass sticks, wood a bass, anything else the
 * harp) and its pitch, which its block entity ("Music") keeps; the plugins' NotePlayEvent may stop
 * or change the note.
 */
final class NoteBlock extends BlockBehaviour {
    /** The pitches, 0 to 24. */
    static final int PITCHES = 25;

    /** The block's kept state, made when it has none yet; null where its column is not held. */
    static BlockEntity.Music music(BlockWorld w, int x, int y, int z) {
        BlockEntity e = w.blockEntityAt(x, y, z);
        return e instanceof BlockEntity.Music ? (BlockEntity.Music) e : null;
    }

    /** The instrument the block under a note block gives it: 0 harp, 1 bass drum, 2 snare, 3 sticks, 4 bass. */
    static int instrument(int idBelow) {
        String m = BlockTable.of(idBelow & 0xFF).material;
        if (m.equals("rock")) {
            return 1;
        }
        if (m.equals("sand")) {
            return 2;
        }
        if (m.equals("glass")) {
            return 3;
        }
        return m.equals("wood") ? 4 : 0;
    }

    /** Plays the block's note for the players near, unless something is on it or a plugin stops it. */
    static void play(BlockWorld w, int x, int y, int z) {
        BlockEntity.Music m = music(w, x, y, z);
        if (m == null || y < 255 && w.blockAt(x, y + 1, z) != BlockIds.AIR) {
            return;
        }
        int below = y > 0 ? w.blockAt(x, y - 1, z) : BlockIds.AIR;
        int[] note = NoteEvents.play(w.host(), w.api(), x, y, z, instrument(below), m.note);
        if (note != null) {
            w.blockAction(x, y, z, BlockIds.NOTE_BLOCK, note[0], note[1]);
        }
    }

    @Override
    public boolean rightClicked(BlockUser user, Terrain terrain, int x, int y, int z) {
        if (!(terrain instanceof BlockWorld) || user.isSneaking() && user.heldItem() != 0) {
            return false;
        }
        BlockWorld w = (BlockWorld) terrain;
        BlockEntity.Music m = music(w, x, y, z);
        if (m == null) {
            return false;
        }
        m.note = (m.note + 1) % PITCHES;
        w.blockEntityChanged(x, y, z);
        play(w, x, y, z);
        return true;
    }

    @Override
    public void hit(BlockUser user, BlockWorld w, int x, int y, int z) {
        play(w, x, y, z);
    }

    @Override
    public void neighbourChanged(BlockWorld w, int x, int y, int z, int changedId) {
        BlockEntity.Music m = music(w, x, y, z);
        if (m == null) {
            return;
        }
        boolean powered = Redstone.powered(w, x, y, z);
        if (powered != m.powered) {
            m.powered = powered;
            if (powered) {
                play(w, x, y, z);
            }
        }
    }
}
