package net.cubeworks.world.game.api;

import org.bukkit.block.BlockState;

/**
 * The block states of blocks that have contents in the game: chests, furnaces, dispensers,
 * droppers, hoppers, brewing stands, beacons, spawners, note blocks, jukeboxes, heads, command
 * blocks and signs, each of its own interface, as getState gives them by the block's id.
 *
 * A sign's text, the slots of chests, furnaces, dispensers, droppers, hoppers and brewing stands
 * and a furnace's times are the block entity its column keeps (see BlockEntities): read from the
 * world's files and saved with the column. A beacon's slot is the server's for the running
 * session only; the other values read as a new block's, and what a plugin sets is kept in the
 * state it set it on.
 */
final class ApiTileStates {
    private ApiTileStates() {
    }

    private static final java.util.Set<Integer> WITH_CONTENTS = new java.util.HashSet<Integer>(java.util.Arrays.asList(
            54, 146, 61, 62, 23, 158, 154, 117, 138, 52, 25, 84, 144, 137, 63, 68));

    /** Whether blocks of the id have a state of their own kind. */
    static boolean hasContents(int id) {
        return WITH_CONTENTS.contains(id);
    }

    /** The state of the block, of the kind its id is. */
    static BlockState of(ApiBlock b) {
        int id = b.getTypeId();
        switch (id) {
            case 54:
            case 146:
                return new ApiContainerStates.ChestState(b);
            case 61:
            case 62:
                return new ApiContainerStates.FurnaceState(b);
            case 23:
                return new ApiContainerStates.DispenserState(b);
            case 158:
                return new ApiContainerStates.DropperState(b);
            case 154:
                return new ApiContainerStates.HopperState(b);
            case 117:
                return new ApiContainerStates.BrewingState(b);
            case 138:
                return new ApiContainerStates.BeaconState(b);
            case 52:
                return new ApiSpecialStates.SpawnerState(b);
            case 25:
                return new ApiSpecialStates.NoteState(b);
            case 84:
                return new ApiSpecialStates.JukeboxState(b);
            case 144:
                return new ApiSpecialStates.SkullState(b);
            case 137:
                return new ApiSpecialStates.CommandState(b);
            case 63:
            case 68:
                return new ApiSpecialStates.SignState(b);
            default:
                return new ApiBlockState(b);
        }
    }
}
