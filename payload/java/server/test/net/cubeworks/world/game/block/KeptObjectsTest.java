package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.Map;

import org.junit.Test;

import net.cubeworks.world.game.entity.EntityCodecs;
import net.cubeworks.world.game.entity.FallingBlockEntity;
import net.cubeworks.world.game.entity.ObjectCodecs;
import net.cubeworks.world.game.entity.TntEntity;
import net.cubeworks.world.game.entity.WorldEntity;
import net.cubeworks.world.level.BlockIds;
import net.cubeworks.world.storage.ItemTagValues;

/** Falling blocks and primed TNT written with their column and read back, in the game's names and tags. */
public class KeptObjectsTest {
    private static Map<String, Object> entry(Object written) {
        return ItemTagValues.toValues(written);
    }

    private static WorldEntity read(EntityCodecs codecs, Map<String, Object> entry) {
        return codecs.read(ItemTagValues.fromValues(entry));
    }

    @Test
    public void aFallingBlockComesBackFallingAndKeepsItsBlock() {
        GridWorld w = new GridWorld(1);
        EntityCodecs codecs = new EntityCodecs();
        ObjectCodecs.register(codecs, w);
        FallingBlockEntity f = new FallingBlockEntity(w, 3.5, 20, -4.5, BlockIds.SAND, 1);
        f.setDropItem(false);
        f.ticksLived = 12;
        Map<String, Object> e = entry(codecs.write(f));
        assertEquals("FallingSand", e.get("id"));
        assertEquals((byte) 12, e.get("Tile"));
        assertEquals(12, e.get("TileID"));
        assertEquals((byte) 1, e.get("Data"));
        assertEquals((byte) 0, e.get("DropItem"));
        WorldEntity back = read(codecs, e);
        assertTrue(back instanceof FallingBlockEntity);
        FallingBlockEntity g = (FallingBlockEntity) back;
        assertEquals(BlockIds.SAND, g.getBlockId());
        assertEquals(1, g.getBlockData());
        assertEquals(20.0, g.y, 1e-9);
        assertEquals(false, g.getDropItem());
        w.entities.add(g);
        w.run(80);
        assertEquals("it lands as red sand", BlockIds.SAND, w.blockAt(3, 1, -5));
        assertEquals(1, w.metaAt(3, 1, -5));

        e.remove("TileID");
        e.put("Tile", (byte) BlockIds.GRAVEL);
        assertEquals("an older entry's byte", BlockIds.GRAVEL, ((FallingBlockEntity) read(codecs, e)).getBlockId());
        e.put("Tile", (byte) 0);
        assertNull("a falling block of air is no falling block", read(codecs, e));
    }

    @Test
    public void primedTntKeepsItsFuse() {
        GridWorld w = new GridWorld(2);
        EntityCodecs codecs = new EntityCodecs();
        ObjectCodecs.register(codecs, w);
        TntEntity t = new TntEntity(w, 0.5, 1, 0.5, 80);
        t.setFuseTicks(37);
        Map<String, Object> e = entry(codecs.write(t));
        assertEquals("PrimedTnt", e.get("id"));
        assertEquals((byte) 37, e.get("Fuse"));
        TntEntity back = (TntEntity) read(codecs, e);
        assertEquals(37, back.getFuseTicks());
        w.entities.add(back);
        w.run(36);
        assertEquals("not yet", 0, w.explosions.size());
        w.run(2);
        assertEquals("then it goes off", 1, w.explosions.size());
    }
}
