package org.bukkit;

/** How far nether wart has grown (block data 0, 1 and 2, 3). */
public enum NetherWartsState {
    SEEDED, STAGE_ONE, STAGE_TWO, RIPE
}
