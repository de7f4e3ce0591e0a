/**
 * The things in the world that have an entity id, by kind: the base every kind shares (place,
 * look, motion, falling, burning, age, removal, teleports and what is near it among the world's
 * entities), the living kind on it (health and death, its eyes and the blocks along its look),
 * a player's box (PlayerBody), the one
 * allocator of entity ids, and the rules living things share: status effects and their kinds
 * (PlayerEffects, PotionKinds, EffectData) and what an eye sees (Sight). The items and experience
 * orbs on the ground are GroundItems', which composes the merging of stacks (StackMerging),
 * players' pickup (ItemPickup), the orbs (GroundOrbs), a new item's first motion (DropMotion), a
 * player's throws (PlayerThrows) and how both kinds are kept with their column (GroundCodecs).
 * A new kind of entity (an item on the ground, an animal, a monster, an arrow) extends WorldEntity or
 * Living here, or in a package of its own above this one. Uses the protocol and the floors below.
 */
package net.cubeworks.world.game.entity;
