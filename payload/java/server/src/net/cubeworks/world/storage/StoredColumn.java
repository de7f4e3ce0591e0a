package net.cubeworks.world.storage;

import java.util.ArrayList;
import java.util.List;

import net.cubeworks.world.level.BlockEntity;
import net.cubeworks.world.level.TileTick;

/** One column as kept on disk: 16 sections of 16x16x16, index (y&15)<<8 | z<<4 | x. */
public final class StoredColumn {
    /** Column coordinates (block coordinate >> 4). */
    public final int x, z;
    /** 4096 block ids per section; null is an empty section. */
    public final byte[][] blocks = new byte[16][];
    /** 2048-byte nibble arrays of metadata, low nibble first. */
    public final byte[][] data = new byte[16][];
    /** 2048 bytes each. */
    public final byte[][] blockLight = new byte[16][];
    /** 2048 bytes each. */
    public final byte[][] skyLight = new byte[16][];
    /** Biome ids, index z<<4 | x. */
    public byte[] biomes = new byte[256];
    /** World time of the last change. */
    public long lastUpdate;
    /** Signs, containers and the block entities of kinds the world does not model, each in the column. */
    public final List<BlockEntity> blockEntities = new ArrayList<BlockEntity>();
    /** The entries of its Entities list (compounds), each as the store keeps it; the world reads and writes them by kind. */
    public final List<NbtCompound> entities = new ArrayList<NbtCompound>();
    /** The block updates due in the column, each with the ticks still to wait (its TileTicks). */
    public final List<TileTick> tileTicks = new ArrayList<TileTick>();
    /** What was read from disk that the world does not model; written back unchanged. */
    public Object kept;

    public StoredColumn(int x, int z) {
        this.x = x;
        this.z = z;
    }
}
