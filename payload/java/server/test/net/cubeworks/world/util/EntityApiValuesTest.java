package net.cubeworks.world.util;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertSame;
import static org.junit.Assert.assertTrue;
import static org.junit.Assert.fail;

import java.util.Arrays;
import java.util.HashSet;
import java.util.List;
import java.util.Set;
import java.util.concurrent.Callable;
import java.util.concurrent.atomic.AtomicInteger;

import org.bukkit.Color;
import org.bukkit.DyeColor;
import org.bukkit.FireworkEffect;
import org.bukkit.Material;
import org.bukkit.Note;
import org.bukkit.Rotation;
import org.bukkit.entity.CreatureType;
import org.bukkit.entity.EntityType;
import org.bukkit.entity.Horse;
import org.bukkit.entity.Ocelot;
import org.bukkit.entity.Player;
import org.bukkit.material.MaterialData;
import org.bukkit.metadata.FixedMetadataValue;
import org.bukkit.metadata.LazyMetadataValue;
import org.bukkit.metadata.MetadataEvaluationException;
import org.bukkit.metadata.MetadataStoreBase;
import org.bukkit.metadata.MetadataValue;
import org.bukkit.plugin.Plugin;
import org.bukkit.potion.Potion;
import org.bukkit.potion.PotionType;
import org.junit.Test;

import net.cubeworks.world.fixture.ApiServer;
import net.cubeworks.world.game.entity.PotionKinds;

/** The entity side's value types hold the game's numbers and behave as plugins count on. */
public class EntityApiValuesTest {
    @Test
    public void entityTypesCarryTheGamesNamesAndNumbers() {
        Set<Short> ids = new HashSet<Short>();
        for (EntityType t : EntityType.values()) {
            if (t.getTypeId() > 0) {
                assertTrue("two kinds numbered " + t.getTypeId(), ids.add(t.getTypeId()));
                assertSame(t, EntityType.fromId(t.getTypeId()));
                assertSame(t, EntityType.fromName(t.getName()));
            }
        }
        assertSame(EntityType.CREEPER, EntityType.fromId(50));
        assertSame(EntityType.OCELOT, EntityType.fromName("ozelot"));
        assertSame(EntityType.IRON_GOLEM, EntityType.fromName("VillagerGolem"));
        assertNull(EntityType.fromId(49));
        assertNull(EntityType.fromId(70000));
        assertNull(EntityType.fromName(null));
        assertTrue(EntityType.PLAYER.isAlive() && !EntityType.PLAYER.isSpawnable());
        assertTrue(EntityType.HORSE.isAlive() && EntityType.HORSE.isSpawnable());
        assertFalse(EntityType.ARROW.isAlive());
        assertSame(Player.class, EntityType.PLAYER.getEntityClass());
        for (CreatureType c : CreatureType.values()) {
            assertSame(c, CreatureType.fromEntityType(c.toEntityType()));
            assertEquals(c.getTypeId(), c.toEntityType().getTypeId());
        }
        assertNull(CreatureType.fromEntityType(EntityType.ARROW));
        assertSame(Ocelot.Type.SIAMESE_CAT, Ocelot.Type.getType(3));
        assertNull(Ocelot.Type.getType(4));
        assertEquals(4, Horse.Variant.SKELETON_HORSE.ordinal());
        assertSame(Rotation.NONE, Rotation.COUNTER_CLOCKWISE.rotateClockwise());
        assertSame(Rotation.COUNTER_CLOCKWISE, Rotation.NONE.rotateCounterClockwise());
    }

    @Test
    public void notesNumberTheTwentyFiveSemitonesFromFSharp() {
        assertEquals(0, new Note(0, Note.Tone.F, true).getId());
        assertEquals(1, Note.natural(0, Note.Tone.G).getId());
        assertEquals(11, Note.natural(0, Note.Tone.F).getId());
        assertEquals(24, Note.sharp(2, Note.Tone.F).getId());
        assertEquals(Note.sharp(0, Note.Tone.C), new Note(0, Note.Tone.B, true).sharped().sharped().flattened());
        assertEquals("B sharp is C", Note.natural(0, Note.Tone.C), new Note(0, Note.Tone.B, true));
        assertEquals(Note.natural(0, Note.Tone.B), Note.flat(0, Note.Tone.C));
        assertEquals(new Note(0), Note.flat(0, Note.Tone.G));
        for (int id = 0; id <= 24; id++) {
            Note n = new Note(id);
            assertEquals("pitch " + id, n, new Note(n.getOctave(), n.getTone(), n.isSharped()));
        }
        try {
            Note.natural(2, Note.Tone.G);
            fail("octave 2 has only F sharp");
        } catch (IllegalArgumentException expected) {
            // refused
        }
        try {
            new Note(25);
            fail("pitch 25 is out of range");
        } catch (IllegalArgumentException expected) {
            // refused
        }
    }

    @Test
    public void coloursMixAndSerializeAndDyesHaveTheirColours() {
        Color c = Color.fromRGB(0x123456);
        assertEquals(0x12, c.getRed());
        assertEquals(0x563412, c.asBGR());
        assertEquals(c, Color.deserialize(c.serialize()));
        assertEquals(Color.fromRGB(0x8000FF), Color.RED.setBlue(0xFF).setRed(0x80));
        // averaged, then brightened back to the average brightest channel: red and blue give magenta
        assertEquals(Color.fromRGB(255, 0, 255), Color.RED.mixColors(Color.BLUE));
        assertEquals(Color.fromRGB(0x7F, 0x7F, 0x7F), Color.WHITE.mixColors(Color.BLACK));
        try {
            Color.fromRGB(0x1000000);
            fail("25 bits");
        } catch (IllegalArgumentException expected) {
            // refused
        }
        for (DyeColor d : DyeColor.values()) {
            assertSame(d, DyeColor.getByWoolData(d.getWoolData()));
            assertSame(d, DyeColor.getByDyeData(d.getDyeData()));
            assertEquals(15, d.getWoolData() + d.getDyeData());
            assertSame(d, DyeColor.getByColor(d.getColor()));
        }
        assertNull(DyeColor.getByWoolData((byte) 16));

        FireworkEffect e = FireworkEffect.builder().with(FireworkEffect.Type.STAR).withColor(Color.RED, Color.LIME)
                .withFade(Arrays.asList(Color.BLUE)).withFlicker().build();
        assertEquals(e, FireworkEffect.deserialize(e.serialize()));
        assertEquals(Arrays.asList(Color.RED, Color.LIME), e.getColors());
        assertTrue(e.hasFlicker() && !e.hasTrail());
        try {
            FireworkEffect.builder().build();
            fail("an effect without a colour");
        } catch (IllegalStateException expected) {
            // refused
        }
    }

    @Test
    public void potionsMapToTheGamesDamageValues() {
        PotionKinds.register(); // as the server does at its start: the API's effect types are the game's
        Potion speed2 = new Potion(PotionType.SPEED, 2);
        assertEquals(0x22, speed2.toDamageValue());
        Potion splashRegen = new Potion(PotionType.REGEN).splash().extend();
        assertEquals(0x4041, splashRegen.toDamageValue());
        for (int damage : new int[] {0x22, 0x4041, 8196, 16389, 0x2E}) {
            Potion p = Potion.fromDamage(damage);
            assertEquals("damage " + damage, p, Potion.fromDamage(p.toDamageValue()));
        }
        Potion fromItem = Potion.fromItemStack(speed2.toItemStack(2));
        assertEquals(speed2, fromItem);
        try {
            new Potion(PotionType.INSTANT_HEAL).extend();
            fail("an instant potion cannot be extended");
        } catch (IllegalArgumentException expected) {
            // refused
        }
        try {
            new Potion(PotionType.FIRE_RESISTANCE, 2);
            fail("fire resistance has no level II");
        } catch (IllegalArgumentException expected) {
            // refused
        }
        assertSame(PotionType.STRENGTH, PotionType.getByDamageValue(9));
        assertSame(PotionType.WATER, PotionType.getByEffect(null));
    }

    @Test
    public void materialDataComparesByKindAndData() {
        MaterialData wool = new MaterialData(Material.WOOL, (byte) 14);
        MaterialData copy = wool.clone();
        assertEquals(wool, copy);
        assertEquals(wool.hashCode(), copy.hashCode());
        copy.setData((byte) 1);
        assertFalse(wool.equals(copy));
        assertEquals(14, wool.toItemStack(3).getDurability());
        assertEquals(3, wool.toItemStack(3).getAmount());
        assertSame(Material.WOOL, wool.getItemType());
    }

    /** A store keyed by a plain string, as the server keys players, worlds and blocks. */
    private static final class Store extends MetadataStoreBase<String> {
        @Override
        protected String disambiguate(String subject, String metadataKey) {
            return subject + ":" + metadataKey;
        }
    }

    @Test
    public void metadataKeepsOneValuePerPluginAndGoesWithThePlugin() throws Exception {
        Plugin one = ApiServer.plugin("one");
        Plugin two = ApiServer.plugin("two");
        Store store = new Store();
        store.setMetadata("alex", "home", new FixedMetadataValue(one, "3,4"));
        store.setMetadata("alex", "home", new FixedMetadataValue(two, 7));
        store.setMetadata("alex", "home", new FixedMetadataValue(one, "5,6"));
        List<MetadataValue> values = store.getMetadata("alex", "home");
        assertEquals(2, values.size());
        assertEquals("5,6", values.get(0).asString());
        assertEquals(7, values.get(1).asInt());
        assertEquals(7.0, values.get(1).asDouble(), 0);
        assertTrue(values.get(1).asBoolean());
        assertFalse(store.hasMetadata("bea", "home"));
        store.removeMetadata("alex", "home", one);
        assertEquals(1, store.getMetadata("alex", "home").size());
        store.removeAll(two);
        assertFalse(store.hasMetadata("alex", "home"));

        final AtomicInteger calls = new AtomicInteger();
        Callable<Object> count = new Callable<Object>() {
            public Object call() {
                return calls.incrementAndGet();
            }
        };
        LazyMetadataValue cached = new LazyMetadataValue(one, count);
        assertEquals(1, cached.asInt());
        assertEquals(1, cached.asInt());
        cached.invalidate();
        assertEquals(2, cached.asInt());
        LazyMetadataValue fresh = new LazyMetadataValue(one, LazyMetadataValue.CacheStrategy.NEVER_CACHE, count);
        assertEquals(3, fresh.asInt());
        assertEquals(4, fresh.asInt());
        LazyMetadataValue failing = new LazyMetadataValue(one, new Callable<Object>() {
            public Object call() {
                throw new IllegalStateException("broken");
            }
        });
        try {
            failing.value();
            fail("a failing value");
        } catch (MetadataEvaluationException expected) {
            assertEquals("broken", expected.getCause().getMessage());
        }
    }
}
