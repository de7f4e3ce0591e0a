/**
 * A player's hands on the world: digging and its waits, the cracks others see and what a break
 * gives and leaves ({@code BlockBreaking}), placing a block and the right clicks a block or the
 * item in hand takes (a bucket, a hoe, seeds, a lighter, food; {@code Interaction}), throwing a
 * snowball or an egg ({@code Throwing}), and what else his hands do: the slot held, arm swings,
 * hits and clicks on players and mobs, a creative player's slots ({@code Hands}).
 * {@code BlockReach} says which blocks he may reach (his client holds the column, the spawn is not
 * protected from him) and shows the others near what he did. The plugins' say on his clicks on
 * blocks, which the rules above ask, comes through {@code BlockAsks}, which the game answers. Uses the
 * windows (the plugins' say on a creative slot), the player with his hunger, eating, fights and
 * viewers and the player list, the mobs, the block rules, the world's blocks and block entities,
 * the ground items, the events and the floors below.
 */
package net.cubeworks.world.game.interaction;
