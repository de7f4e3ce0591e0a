package org.bukkit.material;

import java.util.List;
import org.bukkit.Material;

/** A block whose data value picks one of several looks, each the look of another material. */
public abstract class TexturedMaterial extends MaterialData {
    public TexturedMaterial(Material type) {
        super(type);
    }

    @Deprecated
    public TexturedMaterial(int type) {
        super(type);
    }

    @Deprecated
    public TexturedMaterial(int type, byte data) {
        super(type, data);
    }

    @Deprecated
    public TexturedMaterial(Material type, byte data) {
        super(type, data);
    }


    /** The looks in the order of the data values. */
    public abstract List<Material> getTextures();

    /** The look of the data value; the first when the value has none. */
    public Material getMaterial() {
        int n = getTextureIndex();
        return n >= 0 && n < getTextures().size() ? getTextures().get(n) : getTextures().get(0);
    }

    public void setMaterial(Material material) {
        int n = getTextures().indexOf(material);
        setTextureIndex(n < 0 ? 0 : n);
    }

    @Deprecated
    protected int getTextureIndex() {
        return getData();
    }

    @Deprecated
    protected void setTextureIndex(int idx) {
        setData((byte) idx);
    }

    @Override
    public String toString() {
        return getMaterial() + " " + super.toString();
    }

    @Override
    public TexturedMaterial clone() {
        return (TexturedMaterial) super.clone();
    }
}
