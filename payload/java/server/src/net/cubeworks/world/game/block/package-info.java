/**
 * Blocks by kind: what a kind of block does when the game acts on it (a right click it takes, a
 * hit beside it, what it leaves when broken, its data when placed by hand), one behaviour per id
 * in BlockBehaviours, and the rules placing and moving read of every id (BlockRules). How a held
 * item becomes a block is Placement's (the cell and the kind of plan), with PlacedData (one
 * block's data by the common rules), PairedPlans (doors, beds, tall flowers, chest pairs, double
 * slabs) and Footing (what holds a block, also read by Attached). The rays of an explosion and
 * each block's blast resistance are Explosions'. WorldBlocks is the world's blocks as the rules and
 * moving things see them: what stands where and in what light, changes shown to the players who
 * hold the column (the online Viewers, handed in as a supplier), block updates and the blocks' own
 * tick, sounds and effects near, and an explosion set off through its Blast. A new kind of block with rules
 * of its own is a BlockBehaviour here, registered by its id; a hook a kind needs that the game does not
 * call yet (a neighbour's change, random and scheduled ticks) is added to BlockBehaviour with the
 * caller that runs it. What blocks own is BlockEntities' (a sign's text, a container's slots, a
 * jukebox's record, by place in the column cache), and their work in the tick: Furnaces smelting
 * (and their times as plugins set them), Hoppers moving items (a chest's viewers told through
 * SlotViewers), Jukeboxes taking and giving records; the plugin API's inventory of a block comes
 * through BlockInventories, which the root answers. Uses the world's Terrain, its columns and
 * level, the ground items and the floors below.
 */
package net.cubeworks.world.game.block;
