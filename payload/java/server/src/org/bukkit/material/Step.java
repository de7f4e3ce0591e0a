package org.bukkit.material;

import java.util.Arrays;
import java.util.Collections;
import java.util.List;
import org.bukkit.Material;

/** A stone slab: its look (data and 0x7) and in the top half of its block (0x8). */
public class Step extends TexturedMaterial {
    public Step() {
        super(Material.STEP);
    }

    @Deprecated
    public Step(int type) {
        super(type);
    }

    public Step(Material type) {
        super(type);
    }

    @Deprecated
    public Step(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public Step(Material type, byte data) {
        super(type, data);
    }


    private static final List<Material> TEXTURES = Collections.unmodifiableList(Arrays.asList(Material.STONE, Material.SANDSTONE, Material.WOOD, Material.COBBLESTONE, Material.BRICK, Material.SMOOTH_BRICK, Material.NETHER_BRICK, Material.QUARTZ_BLOCK));

    public List<Material> getTextures() {
        return TEXTURES;
    }

    public boolean isInverted() {
        return (getData() & 0x8) != 0;
    }

    public void setInverted(boolean inv) {
        setData((byte) (inv ? getData() | 0x8 : getData() & ~0x8));
    }

    @Override
    @Deprecated
    protected int getTextureIndex() {
        return getData() & 0x7;
    }

    @Override
    @Deprecated
    protected void setTextureIndex(int idx) {
        setData((byte) ((getData() & 0x8) | idx));
    }

    @Override
    public Step clone() {
        return (Step) super.clone();
    }
}
