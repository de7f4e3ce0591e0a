package net.cubeworks.world.game.entity;

/** A player's box as the game measures it: 0.6 blocks wide and deep, 1.8 high, the eyes at 1.62. */
public final class PlayerBody {
    /** Half the width of a player's box. */
    public static final double HALF_WIDTH = 0.3;
    public static final double HEIGHT = 1.8;
    /** How high over his feet a player's eyes are (the look, throws and reach start there). */
    public static final double EYE_HEIGHT = 1.62;

    private PlayerBody() {
    }
}
