package net.cubeworks.world.game.block;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.HashMap;
import java.util.Map;

import org.junit.Test;

import net.cubeworks.world.game.world.Terrain;

/**
 * The data a 1.7.2 client shows for blocks placed by hand: which way a furnace, stairs, a torch
 * or a sign faces for a player's look and the face he clicks, the halves of doors and beds, and
 * where the game places nothing.
 */
public class PlacementTest {
    // yaws: 0 looks south (+z), 90 west, 180 north, 270 east
    private static final float SOUTH = 0;
    private static final float WEST = 90;
    private static final float NORTH = 180;
    private static final float EAST = 270;
    private static final int DOWN = 0;
    private static final int UP = 1;
    private static final int FACE_NORTH = 2;
    private static final int FACE_SOUTH = 3;
    private static final int FACE_WEST = 4;
    private static final int FACE_EAST = 5;

    /** A world of air over a floor of stone at y 3, with blocks set by the test. */
    private static final class Blocks implements Terrain {
        final Map<String, int[]> cells = new HashMap<String, int[]>();

        public int blockAt(int x, int y, int z) {
            int[] c = cells.get(x + "," + y + "," + z);
            return c != null ? c[0] : y <= 3 ? 1 : 0;
        }

        public int metaAt(int x, int y, int z) {
            int[] c = cells.get(x + "," + y + "," + z);
            return c != null ? c[1] : 0;
        }

        public void setBlock(int x, int y, int z, int id, int data) {
            cells.put(x + "," + y + "," + z, new int[] {id, data});
        }

        Blocks with(int x, int y, int z, int id, int data) {
            setBlock(x, y, z, id, data);
            return this;
        }
    }

    private Blocks world = new Blocks();

    /** The player stands a few blocks off, at (0.5, 4, -3.5), far enough that a dispenser looks across. */
    private Placement.Plan place(int item, int damage, int x, int y, int z, int face, float hy, float yaw) {
        return Placement.plan(world, item, damage, x, y, z, face, 0.5f, hy, 0.5f, new Placement.Placer(yaw, 0.5, 4, -3.5));
    }

    private Placement.Plan place(int item, int x, int y, int z, int face, float yaw) {
        return place(item, 0, x, y, z, face, 0.5f, yaw);
    }

    /** "id:data@x,y,z" of the block the placement puts, or "refused". */
    private String block(Placement.Plan plan) {
        return plan == null ? "refused" : plan.block.toString();
    }

    @Test
    public void containersAndPumpkinsFaceThePlayer() {
        // on the floor's top at (0, 3, 0): the block goes to (0, 4, 0)
        assertEquals("a furnace placed looking south shows its front to the north", "61:2@0,4,0",
                block(place(61, 0, 3, 0, UP, SOUTH)));
        assertEquals("61:5@0,4,0", block(place(61, 0, 3, 0, UP, WEST + 30)));
        assertEquals("130:4@0,4,0", block(place(130, 0, 3, 0, UP, EAST)));
        assertEquals("a pumpkin's face is toward the player", "86:2@0,4,0", block(place(86, 0, 3, 0, UP, SOUTH)));
        assertEquals("91:1@0,4,0", block(place(91, 0, 3, 0, UP, EAST)));
        assertEquals("a pumpkin needs ground under it", "refused", block(place(86, 0, 6, 0, FACE_SOUTH, SOUTH)));
        assertEquals("an anvil lies across the look, keeping its wear", "145:11@0,4,0",
                block(place(145, 2, 0, 3, 0, UP, 0.5f, SOUTH)));
        assertEquals("107:3@0,4,0", block(place(107, 0, 3, 0, UP, EAST)));
    }

    @Test
    public void aDispenserLooksUpOrDownWhenThePlayerIsRightAboveOrBelow() {
        assertEquals("looking across from afar", "23:2@0,4,0", block(place(23, 0, 3, 0, UP, SOUTH)));
        Placement.Placer above = new Placement.Placer(SOUTH, 0.5, 5.5, 1.5);
        assertEquals("23:1@0,4,0", block(Placement.plan(world, 23, 0, 0, 3, 0, UP, 0.5f, 1f, 0.5f, above)));
        world.with(0, 9, 0, 1, 0);
        Placement.Placer below = new Placement.Placer(SOUTH, 0.5, 4, 0.5);
        assertEquals("under a ceiling, above the eyes", "158:0@0,8,0",
                block(Placement.plan(world, 158, 0, 0, 9, 0, DOWN, 0.5f, 0f, 0.5f, below)));
    }

    @Test
    public void stairsAndSlabsTakeTheHalfTheCursorWasIn() {
        assertEquals("stairs rise the way the player looks", "53:2@0,4,0", block(place(53, 0, 3, 0, UP, SOUTH)));
        assertEquals("67:0@0,4,0", block(place(67, 0, 3, 0, UP, EAST)));
        world.with(0, 4, 0, 1, 0);
        assertEquals("on the upper half of a side: upside down", "53:7@0,4,-1",
                block(place(53, 0, 0, 4, 0, FACE_NORTH, 0.75f, NORTH)));
        assertEquals("on the lower half: upright", "53:3@0,4,-1", block(place(53, 0, 0, 4, 0, FACE_NORTH, 0.25f, NORTH)));
        world.with(0, 6, 0, 1, 0);
        assertEquals("under a block: upside down", "108:6@0,5,0", block(place(108, 0, 0, 6, 0, DOWN, 0f, SOUTH)));
        // slabs
        world = new Blocks().with(0, 4, 0, 1, 0);
        assertEquals("a slab on the upper half of a side is a top slab", "44:11@0,4,-1",
                block(place(44, 3, 0, 4, 0, FACE_NORTH, 0.75f, NORTH)));
        assertEquals("44:3@0,4,-1", block(place(44, 3, 0, 4, 0, FACE_NORTH, 0.5f, NORTH)));
    }

    @Test
    public void twoSlabsOfAKindMakeADoubleSlab() {
        world.with(0, 4, 0, 44, 3);
        assertEquals("on the top of a lower slab", "43:3@0,4,0", block(place(44, 3, 0, 4, 0, UP, 1f, SOUTH)));
        assertEquals("into the cell of a slab beside", "43:3@0,4,0", block(place(44, 3, 1, 4, 0, FACE_WEST, 0.25f, WEST)));
        assertEquals("another kind of stone slab goes on top", "44:1@0,5,0", block(place(44, 1, 0, 4, 0, UP, 1f, SOUTH)));
        world.with(2, 4, 0, 126, 8 | 2);
        assertEquals("under an upper wooden slab", "125:2@2,4,0", block(place(126, 2, 2, 4, 0, DOWN, 0f, SOUTH)));
    }

    @Test
    public void torchesLeversAndButtonsHangOnTheFaceClickedWhenItHoldsThem() {
        world.with(0, 4, 0, 1, 0).with(0, 6, 0, 1, 0).with(5, 4, 0, 20, 0).with(8, 4, 0, 85, 0);
        assertEquals("on the east face: pointing east", "50:1@1,4,0", block(place(50, 0, 4, 0, FACE_EAST, SOUTH)));
        assertEquals("76:4@0,4,-1", block(place(76, 0, 4, 0, FACE_NORTH, SOUTH)));
        assertEquals("standing", "50:5@0,5,0", block(place(50, 0, 4, 0, UP, SOUTH)));
        assertEquals("on a fence", "50:5@8,5,0", block(place(50, 8, 4, 0, UP, SOUTH)));
        assertEquals("on glass, with the floor below it", "50:5@5,4,-1", block(place(50, 5, 4, 0, FACE_NORTH, SOUTH)));
        world.with(5, 3, -1, 0, 0).with(5, 2, -1, 0, 0);
        assertEquals("nothing holds it by the glass", "refused", block(place(50, 5, 4, 0, FACE_NORTH, SOUTH)));
        assertEquals("a lever on a wall", "69:1@1,4,0", block(place(69, 0, 4, 0, FACE_EAST, SOUTH)));
        assertEquals("on the ground along the look", "69:5@0,5,0", block(place(69, 0, 4, 0, UP, NORTH)));
        assertEquals("69:6@0,5,0", block(place(69, 0, 4, 0, UP, EAST)));
        assertEquals("on the ceiling", "69:0@0,5,0", block(place(69, 0, 6, 0, DOWN, WEST)));
        assertEquals("not on glass", "refused", block(place(69, 5, 4, 0, FACE_EAST, SOUTH)));
        assertEquals("77:3@0,4,1", block(place(77, 0, 4, 0, FACE_SOUTH, SOUTH)));
        assertEquals("a button is never on the ground in 1.7", "refused", block(place(143, 0, 4, 0, UP, SOUTH)));
    }

    @Test
    public void laddersVinesTrapdoorsAndHoppersGoByTheFace() {
        world.with(0, 4, 0, 1, 0).with(0, 6, 0, 1, 0);
        assertEquals("65:2@0,4,-1", block(place(65, 0, 4, 0, FACE_NORTH, SOUTH)));
        assertEquals("a ladder on the floor goes on the first wall beside it", "65:3@0,4,1",
                block(place(65, 0, 3, 1, UP, SOUTH)));
        assertEquals("with no wall beside, none", "refused", block(place(65, 3, 3, 3, UP, SOUTH)));
        assertEquals("106:8@-1,4,0", block(place(106, 0, 4, 0, FACE_WEST, SOUTH)));
        assertEquals("a trapdoor on the upper half of a side", "96:9@0,4,1",
                block(place(96, 0, 0, 4, 0, FACE_SOUTH, 0.9f, NORTH)));
        assertEquals("not on a top", "refused", block(place(96, 0, 3, 0, UP, SOUTH)));
        assertEquals("a hopper leads into the block clicked", "154:3@0,4,-1", block(place(154, 0, 4, 0, FACE_NORTH, SOUTH)));
        assertEquals("154:0@0,5,0", block(place(154, 0, 4, 0, UP, SOUTH)));
        assertEquals("154:0@0,5,0", block(place(154, 0, 6, 0, DOWN, SOUTH)));
    }

    @Test
    public void logsLieAlongTheAxisOfTheFaceClicked() {
        assertEquals("birch upright", "17:2@0,4,0", block(place(17, 2, 0, 3, 0, UP, 0.5f, SOUTH)));
        world.with(0, 4, 0, 1, 0);
        assertEquals("east-west", "17:6@1,4,0", block(place(17, 2, 0, 4, 0, FACE_EAST, 0.5f, SOUTH)));
        assertEquals("north-south", "162:9@0,4,1", block(place(162, 1, 0, 4, 0, FACE_SOUTH, 0.5f, SOUTH)));
        assertEquals("a quartz pillar", "155:3@1,4,0", block(place(155, 2, 0, 4, 0, FACE_EAST, 0.5f, SOUTH)));
        assertEquals("leaves a player places never decay", "18:6@0,5,0", block(place(18, 2, 0, 4, 0, UP, 0.5f, SOUTH)));
    }

    @Test
    public void signsStandTurnedToThePlayerOrHangOnAWall() {
        world.with(0, 4, 0, 5, 0).with(3, 4, 0, 31, 1);
        Placement.Plan standing = place(323, 0, 4, 0, UP, SOUTH);
        assertEquals("a standing sign's front is toward the player", "63:8@0,5,0", block(standing));
        assertTrue(standing.sign);
        assertEquals("63:12@0,5,0", block(place(323, 0, 4, 0, UP, WEST)));
        assertEquals("in sixteenths", "63:5@0,5,0", block(place(323, 0, 4, 0, UP, NORTH + 112.5f)));
        assertEquals("68:5@1,4,0", block(place(323, 0, 4, 0, FACE_EAST, SOUTH)));
        assertEquals("not under a block", "refused", block(place(323, 0, 4, 0, DOWN, SOUTH)));
        assertEquals("not on grass", "refused", block(place(323, 3, 4, 0, FACE_NORTH, SOUTH)));
    }

    @Test
    public void chestsBesideEachOtherFaceOneWay() {
        world.with(1, 4, 0, 54, 4);
        Placement.Plan across = place(54, 0, 3, 0, UP, SOUTH);
        assertEquals("54:2@0,4,0", block(across));
        assertEquals("the other half turns with it", "54:2@1,4,0", across.turned.toString());
        Placement.Plan along = place(54, 0, 3, 0, UP, EAST);
        assertEquals("looking along the pair: the pair faces south", "54:3@0,4,0", block(along));
        world.with(1, 4, 0, 54, 2);
        along = place(54, 0, 3, 0, UP, EAST);
        assertEquals("or the way the other faced", "54:2@0,4,0", block(along));
        assertNull(along.turned);
        world.with(0, 4, 1, 1, 0).with(1, 4, 1, 1, 0);
        assertEquals("away from a wall", "54:2@0,4,0", block(place(54, 0, 3, 0, UP, EAST)));
        world.with(0, 4, -1, 1, 0).with(0, 4, 1, 0, 0).with(1, 4, 1, 0, 0);
        assertEquals("54:3@0,4,0", block(place(54, 0, 3, 0, UP, EAST)));
        assertEquals("a trapped chest does not join a chest", "146:2@0,4,0", block(place(146, 0, 3, 0, UP, SOUTH)));
        world.with(0, 4, 0, 54, 2);
        assertEquals("no third chest beside a pair", "refused", block(place(54, -1, 3, 0, UP, SOUTH)));
        world = new Blocks().with(-1, 4, 5, 54, 2).with(1, 4, 5, 54, 2);
        assertEquals("none between two", "refused", block(place(54, 0, 3, 5, UP, SOUTH)));
    }

    @Test
    public void doorsBedsAndTallFlowersArePlacedWholeOrNotAtAll() {
        Placement.Plan door = place(324, 0, 3, 0, UP, SOUTH);
        assertEquals("64:1@0,4,0", block(door));
        assertEquals("the upper half, hinge by its neighbours", "64:8@0,5,0", door.second.toString());
        world.with(1, 4, 0, 64, 1).with(1, 5, 0, 64, 8);
        assertEquals("beside a door: the other hinge, a double door", "64:9@0,5,0",
                place(324, 0, 3, 0, UP, SOUTH).second.toString());
        world = new Blocks().with(-1, 4, 0, 1, 0).with(-1, 5, 0, 1, 0);
        assertEquals("a wall on one side turns the hinge", "71:9@0,5,0", place(330, 0, 3, 0, UP, SOUTH).second.toString());
        world.with(0, 5, 0, 1, 0);
        assertEquals("no room for the upper half", "refused", block(place(324, 0, 3, 0, UP, SOUTH)));
        assertEquals("only on a top", "refused", block(place(324, 1, 4, 0, FACE_WEST, SOUTH)));
        world.with(5, 3, 0, 20, 0);
        assertEquals("glass has no solid top", "refused", block(place(324, 5, 3, 0, UP, SOUTH)));

        Placement.Plan bed = place(355, 0, 3, 0, UP, EAST);
        assertEquals("26:3@0,4,0", block(bed));
        assertEquals("the head a step the way the player looks", "26:11@1,4,0", bed.second.toString());
        world.with(0, 4, 1, 31, 1);
        assertEquals("the head needs air: grass is in the way", "refused", block(place(355, 0, 3, 0, UP, SOUTH)));
        world.with(0, 3, -1, 0, 0);
        assertEquals("and something under it", "refused", block(place(355, 0, 3, 0, UP, NORTH)));

        world = new Blocks().with(0, 3, 0, 2, 0).with(2, 3, 0, 2, 0).with(2, 5, 0, 1, 0);
        Placement.Plan sunflower = place(175, 0, 0, 3, 0, UP, 0.5f, SOUTH);
        assertEquals("175:0@0,4,0", block(sunflower));
        assertEquals("175:8@0,5,0", sunflower.second.toString());
        assertEquals("a peony under a block", "refused", block(place(175, 5, 2, 3, 0, UP, 0.5f, SOUTH)));
        assertEquals("on stone", "refused", block(place(175, 5, 4, 3, 0, UP, 0.5f, SOUTH)));
    }

    @Test
    public void onlyWhatIsReplaceableMakesRoomAndPlantsNeedTheirGround() {
        world.with(0, 4, 0, 9, 0).with(1, 4, 0, 31, 1).with(2, 4, 0, 50, 5).with(3, 4, 0, 78, 0).with(4, 4, 0, 175, 0);
        assertEquals("into water", "4:0@0,4,0", block(place(4, 0, 3, 0, UP, SOUTH)));
        assertEquals("clicked grass is replaced", "4:0@1,4,0", block(place(4, 1, 4, 0, FACE_NORTH, SOUTH)));
        assertEquals("not into a torch", "refused", block(place(4, 2, 3, 0, UP, SOUTH)));
        assertEquals("an empty snow layer is placed into", "4:0@3,4,0", block(place(4, 3, 4, 0, FACE_EAST, SOUTH)));
        assertEquals("not into a tall flower, whose top would be left", "refused", block(place(4, 4, 3, 0, UP, SOUTH)));
        assertEquals("a flower not on stone", "refused", block(place(38, 6, 3, 0, UP, SOUTH)));
        world.with(6, 3, 0, 3, 0);
        assertEquals("on dirt", "38:0@6,4,0", block(place(38, 6, 3, 0, UP, SOUTH)));
        world.with(7, 3, 0, 20, 0);
        assertEquals("rails not on glass", "refused", block(place(66, 7, 3, 0, UP, SOUTH)));
        assertEquals("66:0@6,4,0", block(place(66, 6, 3, 0, UP, SOUTH)));
        assertEquals("an item that is no block", "refused", block(place(280, 6, 3, 0, UP, SOUTH)));
        assertEquals("above the world", "refused", block(place(1, 0, 255, 0, UP, SOUTH)));
        world.with(0, 254, 0, 1, 0);
        assertEquals("no solid block in the top layer", "refused", block(place(1, 0, 254, 0, UP, SOUTH)));
        assertEquals("but a torch", "50:5@0,255,0", block(place(50, 0, 254, 0, UP, SOUTH)));
        assertTrue(Placement.collides(54));
        assertTrue("a torch does not keep a player out", !Placement.collides(50));
    }

    @Test
    public void itemsThatPlaceBlocksFollowTheBlocksRules() {
        world.with(5, 3, 0, 20, 0).with(7, 3, 0, 12, 0).with(9, 3, 0, 12, 0).with(9, 3, 1, 9, 0).with(0, 4, 3, 78, 2);
        assertEquals("redstone dust", "55:0@0,4,0", block(place(331, 0, 3, 0, UP, SOUTH)));
        assertEquals("not on glass", "refused", block(place(331, 5, 3, 0, UP, SOUTH)));
        assertEquals("a repeater sends the way the player looks", "93:2@0,4,0", block(place(356, 0, 3, 0, UP, SOUTH)));
        assertEquals("149:1@0,4,0", block(place(404, 0, 3, 0, UP, EAST)));
        assertEquals("sugar cane only by water", "refused", block(place(338, 7, 3, 0, UP, SOUTH)));
        assertEquals("83:0@9,4,0", block(place(338, 9, 3, 0, UP, SOUTH)));
        assertEquals("92:0@0,4,0", block(place(354, 0, 3, 0, UP, SOUTH)));
        assertEquals("snow on snow is a layer more", "78:3@0,4,3", block(place(78, 0, 4, 3, FACE_EAST, SOUTH)));
    }

    @Test
    public void pistonsPlatesCactusAndHayFollowTheirKindsRules() {
        assertEquals("a piston faces the player like a dispenser", "33:2@0,4,0", block(place(33, 0, 3, 0, UP, SOUTH)));
        Placement.Placer above = new Placement.Placer(SOUTH, 0.5, 5.5, 1.5);
        assertEquals("29:1@0,4,0", block(Placement.plan(world, 29, 0, 0, 3, 0, UP, 0.5f, 1f, 0.5f, above)));
        world.with(5, 3, 0, 20, 0).with(8, 3, 0, 85, 0);
        assertEquals("a plate on a solid top", "70:0@0,4,0", block(place(70, 0, 3, 0, UP, SOUTH)));
        assertEquals("on a fence", "148:0@8,4,0", block(place(148, 8, 3, 0, UP, SOUTH)));
        assertEquals("not on glass", "refused", block(place(72, 5, 3, 0, UP, SOUTH)));
        world.with(10, 3, 0, 12, 0).with(12, 3, 0, 12, 0).with(13, 4, 0, 1, 0);
        assertEquals("a cactus on sand", "81:0@10,4,0", block(place(81, 10, 3, 0, UP, SOUTH)));
        assertEquals("not beside a solid block", "refused", block(place(81, 12, 3, 0, UP, SOUTH)));
        assertEquals("not on stone", "refused", block(place(81, 0, 3, 0, UP, SOUTH)));
        world.with(0, 4, 0, 1, 0);
        assertEquals("hay lies along the face clicked", "170:4@1,4,0", block(place(170, 0, 4, 0, FACE_EAST, SOUTH)));
        assertEquals("upright on a top", "170:0@0,5,0", block(place(170, 0, 4, 0, UP, SOUTH)));
    }
}
