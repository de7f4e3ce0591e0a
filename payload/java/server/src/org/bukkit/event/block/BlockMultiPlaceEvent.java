package org.bukkit.event.block;

import java.util.ArrayList;
import java.util.Collections;
import java.util.List;

import org.bukkit.block.Block;
import org.bukkit.block.BlockState;
import org.bukkit.entity.Player;
import org.bukkit.inventory.ItemStack;

/**
 * One placing puts several blocks (a bed's two halves); the states are those the blocks replaced.
 */
public class BlockMultiPlaceEvent extends BlockPlaceEvent {
    private final List<BlockState> states;

    public BlockMultiPlaceEvent(final List<BlockState> states, final Block clicked, final ItemStack itemInHand, final Player thePlayer, final boolean canBuild) {
        super(states.get(0).getBlock(), states.get(0), clicked, itemInHand, thePlayer, canBuild);
        this.states = Collections.unmodifiableList(new ArrayList<BlockState>(states));
    }

    public List<BlockState> getReplacedBlockStates() {
        return states;
    }

}
