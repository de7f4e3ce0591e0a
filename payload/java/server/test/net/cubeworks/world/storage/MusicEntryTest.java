package net.cubeworks.world.storage;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

import net.cubeworks.world.level.BlockEntity;

/** A note block's entry in TileEntities ("Music" with its "note"), read and written in the game's layout. */
public class MusicEntryTest {
    private static NbtCompound entry(Object note) {
        NbtCompound t = new NbtCompound();
        t.put("id", "Music");
        t.put("x", 17);
        t.put("y", 64);
        t.put("z", -3);
        if (note != null) {
            t.put("note", note);
        }
        t.put("Extra", "kept");
        return t;
    }

    @Test
    public void theNoteComesBackAsWrittenAndOtherTagsRideAlong() throws Exception {
        BlockEntity e = BlockEntityCodec.read(entry((byte) 12), 1, -1);
        assertTrue(e instanceof BlockEntity.Music);
        assertEquals(12, ((BlockEntity.Music) e).note);
        ((BlockEntity.Music) e).note = 24;
        NbtCompound out = BlockEntityCodec.write(e);
        assertEquals((byte) 24, out.get("note"));
        assertEquals("Music", out.get("id"));
        assertEquals("kept", out.get("Extra"));
        assertEquals(24, ((BlockEntity.Music) BlockEntityCodec.read(out, 1, -1)).note);
    }

    @Test
    public void aNoteOutOfRangeIsHeldToTheGamesRangeAndAMissingOneIsTheLowest() throws Exception {
        assertEquals(24, ((BlockEntity.Music) BlockEntityCodec.read(entry((byte) 40), 1, -1)).note);
        assertEquals(0, ((BlockEntity.Music) BlockEntityCodec.read(entry((byte) -5), 1, -1)).note);
        assertEquals(0, ((BlockEntity.Music) BlockEntityCodec.read(entry(null), 1, -1)).note);
        assertEquals("a new note block gets one", "Music", BlockEntity.forBlock(25, 0, 0, 0).id);
    }

    @Test(expected = BlockEntityCodec.Broken.class)
    public void aNoteThatIsNoNumberIsReportedNotTaken() throws Exception {
        BlockEntityCodec.read(entry("high"), 1, -1);
    }
}
