package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertNotNull;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.util.HashSet;
import java.util.Set;

import org.bukkit.Effect;
import org.bukkit.Material;
import org.bukkit.Sound;
import org.bukkit.block.BlockFace;
import org.bukkit.potion.Potion;
import org.bukkit.potion.PotionType;
import org.junit.Test;

import net.cubeworks.world.game.entity.EffectData;
import net.cubeworks.world.game.player.SoundNames;

/** Every sound has the game's name, and effect data becomes the number the Effect packet carries. */
public class EffectNamesTest {
    @Test
    public void everySoundHasOneGameName() {
        Set<String> names = new HashSet<String>();
        for (Sound s : Sound.values()) {
            String name = SoundNames.of(s);
            assertNotNull(s + " has no name", name);
            assertTrue(s + ": " + name, name.matches("[a-z]+(\\.[a-zA-Z_]+)+"));
            assertTrue("two sounds named " + name, names.add(name));
        }
        assertEquals("random.click", SoundNames.of(Sound.CLICK));
        assertEquals("note.harp", SoundNames.of(Sound.NOTE_PIANO));
    }

    @Test
    public void effectDataBecomesThePacketsNumber() {
        assertEquals(Material.RECORD_12.getId(), EffectData.of(Effect.RECORD_PLAY, Material.RECORD_12));
        assertEquals(Material.STONE.getId(), EffectData.of(Effect.STEP_SOUND, Material.STONE));
        assertEquals(4, EffectData.of(Effect.SMOKE, BlockFace.UP));
        assertEquals(7, EffectData.of(Effect.SMOKE, BlockFace.NORTH));
        assertEquals(0, EffectData.of(Effect.SMOKE, BlockFace.SOUTH_EAST));
        assertEquals(PotionType.POISON.getDamageValue(), EffectData.of(Effect.POTION_BREAK, new Potion(PotionType.POISON)));
        assertEquals(0, EffectData.of(Effect.CLICK1, null));
        try {
            EffectData.of(Effect.STEP_SOUND, BlockFace.UP);
            fail("a block face is no block kind");
        } catch (IllegalArgumentException expected) {
            // refused
        }
        try {
            EffectData.of(Effect.CLICK2, "loud");
            fail("the click takes no data");
        } catch (IllegalArgumentException expected) {
            // refused
        }
    }
}
