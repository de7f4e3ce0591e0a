package org.bukkit.event.inventory;

import org.bukkit.Material;
import org.bukkit.block.Block;
import org.bukkit.entity.Player;
import org.bukkit.event.block.BlockExpEvent;

/**
 * A player takes smelted items out of a furnace, with the experience they give.
 */
public class FurnaceExtractEvent extends BlockExpEvent {
    private final Player player;
    private final Material itemType;
    private final int itemAmount;

    public FurnaceExtractEvent(final Player player, final Block block, final Material itemType, final int itemAmount, final int exp) {
        super(block, exp);
        this.player = player;
        this.itemType = itemType;
        this.itemAmount = itemAmount;
    }

    public Player getPlayer() {
        return player;
    }

    public Material getItemType() {
        return itemType;
    }

    public int getItemAmount() {
        return itemAmount;
    }
}
