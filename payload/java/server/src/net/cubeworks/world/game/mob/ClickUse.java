package net.cubeworks.world.game.mob;

/** What a right click on a mob does to the item the player holds: nothing, one used up, a tool worn, milk. */
public enum ClickUse {
    NOTHING, CONSUME_ONE, WEAR_TOOL, MILK
}
