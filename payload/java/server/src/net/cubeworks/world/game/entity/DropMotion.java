package net.cubeworks.world.game.entity;

import java.util.Random;

/**
 * The first motion of an item put on the ground, as the game gives it: the small push every new
 * item gets, a hand's throw ahead of the thrower's look, and the spread of a dead player's things,
 * each in any direction.
 */
final class DropMotion {
    private DropMotion() {
    }

    /** A new item's turn and push: up a little, and up to 0.1 either way across. */
    static void push(WorldEntity item, Random random) {
        item.yaw = random.nextFloat() * 360f;
        item.motionX = random.nextDouble() * 0.2 - 0.1;
        item.motionY = 0.2;
        item.motionZ = random.nextDouble() * 0.2 - 0.1;
    }

    /** Thrown out of a dying player's hands: up to half a block a tick, any way across. */
    static void spread(WorldEntity item, Random random) {
        double speed = random.nextFloat() * 0.5;
        double angle = random.nextFloat() * Math.PI * 2;
        item.motionX = -Math.sin(angle) * speed;
        item.motionZ = Math.cos(angle) * speed;
        item.motionY = 0.2;
    }

    /** Thrown by hand: ahead of the body's look, a little upward, with a small wobble. */
    static void ahead(WorldEntity item, WorldEntity body, Random random) {
        double yaw = Math.toRadians(body.yaw);
        double pitch = Math.toRadians(body.pitch);
        double speed = 0.3;
        item.motionX = -Math.sin(yaw) * Math.cos(pitch) * speed;
        item.motionZ = Math.cos(yaw) * Math.cos(pitch) * speed;
        item.motionY = -Math.sin(pitch) * speed + 0.1;
        double angle = random.nextFloat() * Math.PI * 2;
        double off = 0.02 * random.nextFloat();
        item.motionX += Math.cos(angle) * off;
        item.motionY += (random.nextFloat() - random.nextFloat()) * 0.1f;
        item.motionZ += Math.sin(angle) * off;
    }
}
