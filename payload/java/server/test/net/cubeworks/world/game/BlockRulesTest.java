package net.cubeworks.world.game;

import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import org.junit.Test;

import net.cubeworks.world.game.block.BlockRules;

/** Only ids a 1.7 client has may be placed or put in a slot: it fails on any other. */
public class BlockRulesTest {
    @Test
    public void idsThe17ClientLacksAreNeitherPlacedNorKept() {
        for (int id = 165; id <= 169; id++) {
            assertFalse("block " + id, BlockRules.placeable(id));
            assertFalse("item " + id, BlockRules.known(id));
        }
        assertTrue(BlockRules.known(170) && BlockRules.known(422) && BlockRules.known(2267));
        assertFalse("items of later versions", BlockRules.known(423));
        assertTrue("blocks without hardness break at once", BlockRules.of(50).instant);
        assertFalse("bedrock never does", BlockRules.of(7).instant);
    }
}
