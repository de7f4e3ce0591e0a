package org.bukkit.event.block;

import org.bukkit.Material;
import org.bukkit.block.Block;
import org.bukkit.event.HandlerList;

/**
 * The server asks whether a block of a type may be placed here; a plugin may allow or forbid it.
 */
public class BlockCanBuildEvent extends BlockEvent {
    private static final HandlerList handlers = new HandlerList();
    protected boolean buildable;
    protected final int material;

    public BlockCanBuildEvent(final Block block, final int id, final boolean canBuild) {
        super(block);
        buildable = canBuild;
        material = id;
    }

    public boolean isBuildable() {
        return buildable;
    }

    public void setBuildable(final boolean buildable) {
        this.buildable = buildable;
    }

    public int getMaterialId() {
        return material;
    }

    public Material getMaterial() {
        return Material.getMaterial(material);
    }


    @Override
    public HandlerList getHandlers() {
        return handlers;
    }

    public static HandlerList getHandlerList() {
        return handlers;
    }
}
