package net.cubeworks.world.storage;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.io.File;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.logging.Logger;

import org.junit.Test;

import net.cubeworks.world.level.Column;
import net.cubeworks.world.level.TileTick;

/** The block updates due in a column, kept as the game keeps them in its TileTicks. */
public class TileTicksTest {
    private static String describe(List<TileTick> ticks) {
        List<String> out = new ArrayList<String>();
        for (TileTick t : ticks) {
            out.add(t.toString());
        }
        return out.toString();
    }

    @Test
    public void theGamesTagsRoundTripAndBrokenEntriesAreKept() throws Exception {
        StoredColumn c = Worlds.flat(1, -2);
        c.tileTicks.add(new TileTick(17, 4, -30, 8, 5, 0));
        c.tileTicks.add(new TileTick(31, 200, -17, 93, 2, -1));
        NbtCompound root = ChunkCodec.encode(c);
        NbtList written = root.compound("Level").list("TileTicks");
        NbtCompound first = (NbtCompound) written.items.get(0);
        assertEquals(8, first.get("i"));
        assertEquals(17, first.get("x"));
        assertEquals(5, first.get("t"));
        assertEquals(0, first.get("p"));

        // an entry of another server without a block id is kept as it was
        written.add(new NbtCompound().put("x", 20).put("y", 4).put("z", -20).put("t", 3));
        List<String> skipped = new ArrayList<String>();
        StoredColumn back = ChunkCodec.decode(Nbt.read(Nbt.write(root)), 1, -2, skipped);
        assertEquals(describe(c.tileTicks), describe(back.tileTicks));
        assertEquals(0, skipped.size());
        NbtList again = ChunkCodec.encode(back).compound("Level").list("TileTicks");
        assertEquals(3, again.size());

        StoredColumn none = Worlds.flat(0, 0);
        assertNull("no list when nothing is due, as the game writes", ChunkCodec.encode(none).compound("Level").get("TileTicks"));
    }

    @Test
    public void aColumnsUpdatesOutliveTheStore() throws Exception {
        File d = Worlds.tempWorld();
        AnvilStore store = new AnvilStore(new File(d, "world"), Logger.getAnonymousLogger());
        Column c = Column.flat(0, 0);
        c.set(3, 5, 4, 12, 0);
        c.tileTicks = Arrays.asList(new TileTick(3, 5, 4, 12, 2, 0), new TileTick(3, 6, 4, 8, 30, 0));
        store.saveColumns(Arrays.asList(c.copy()));
        store.close();
        AnvilStore reopened = new AnvilStore(new File(d, "world"), Logger.getAnonymousLogger());
        Column read = reopened.loadColumn(0, 0);
        reopened.close();
        assertEquals(describe(c.tileTicks), describe(read.tileTicks));
        assertTrue(read.block(3, 5, 4) == 12);
    }
}
