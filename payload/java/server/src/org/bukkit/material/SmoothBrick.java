package org.bukkit.material;

import java.util.Arrays;
import java.util.Collections;
import java.util.List;
import org.bukkit.Material;

/** Stone bricks: plain, mossy, cracked or chiselled. */
public class SmoothBrick extends TexturedMaterial {
    public SmoothBrick() {
        super(Material.SMOOTH_BRICK);
    }

    @Deprecated
    public SmoothBrick(int type) {
        super(type);
    }

    public SmoothBrick(Material type) {
        super(type);
    }

    @Deprecated
    public SmoothBrick(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public SmoothBrick(Material type, byte data) {
        super(type, data);
    }


    private static final List<Material> TEXTURES = Collections.unmodifiableList(Arrays.asList(Material.STONE, Material.MOSSY_COBBLESTONE, Material.COBBLESTONE, Material.SMOOTH_BRICK));

    public List<Material> getTextures() {
        return TEXTURES;
    }

    @Override
    public SmoothBrick clone() {
        return (SmoothBrick) super.clone();
    }
}
