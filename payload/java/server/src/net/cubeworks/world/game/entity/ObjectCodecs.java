package net.cubeworks.world.game.entity;

import java.util.Map;

/**
 * Falling blocks and primed TNT kept with their column, in the names and tags the 1.7.2 game
 * writes: "FallingSand" with its block (Tile as a byte, TileID as an int, which wins when both are
 * there), Data, Time (its ticks), DropItem and HurtEntities; "PrimedTnt" with its Fuse in ticks.
 * A falling block of air, or of an id outside the blocks, cannot be one and is kept as it was.
 */
public final class ObjectCodecs {
    private ObjectCodecs() {
    }

    /** Registers both kinds with the column's entity kinds, for the world given. */
    public static void register(EntityCodecs codecs, final EntityWorld world) {
        codecs.register("FallingSand", FallingBlockEntity.class, new EntityCodecs.Reader() {
            public WorldEntity read(Map<String, Object> entry) {
                return readFalling(world, entry);
            }
        }, new EntityCodecs.Writer<FallingBlockEntity>() {
            public void write(FallingBlockEntity e, Map<String, Object> entry) {
                entry.put("Tile", (byte) e.getBlockId());
                entry.put("TileID", e.getBlockId());
                entry.put("Data", (byte) e.getBlockData());
                entry.put("Time", (byte) Math.min(e.ticksLived, 127));
                entry.put("DropItem", (byte) (e.getDropItem() ? 1 : 0));
                entry.put("HurtEntities", (byte) 0);
            }
        });
        codecs.register("PrimedTnt", TntEntity.class, new EntityCodecs.Reader() {
            public WorldEntity read(Map<String, Object> entry) {
                TntEntity t = new TntEntity(world, 0, 0, 0, EntityCodecs.number(entry.get("Fuse"), 0).intValue() & 0xFF);
                EntityCodecs.readCommon(entry, t);
                return t;
            }
        }, new EntityCodecs.Writer<TntEntity>() {
            public void write(TntEntity t, Map<String, Object> entry) {
                entry.put("Fuse", (byte) Math.max(0, Math.min(t.getFuseTicks(), 127)));
            }
        });
    }

    static FallingBlockEntity readFalling(EntityWorld world, Map<String, Object> entry) {
        int id = entry.get("TileID") != null ? EntityCodecs.number(entry.get("TileID"), 0).intValue()
                : EntityCodecs.number(entry.get("Tile"), 0).intValue() & 0xFF;
        if (id <= 0 || id > 255) {
            return null;
        }
        int data = EntityCodecs.number(entry.get("Data"), 0).intValue() & 15;
        FallingBlockEntity f = new FallingBlockEntity(world, 0, 0, 0, id, data);
        EntityCodecs.readCommon(entry, f);
        // past its first tick, when it takes its block out of the world: that block went long ago
        f.ticksLived = Math.max(1, EntityCodecs.number(entry.get("Time"), 0).intValue() & 0xFF);
        f.setDropItem(EntityCodecs.number(entry.get("DropItem"), 1).intValue() != 0);
        return f;
    }
}
