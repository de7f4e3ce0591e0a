package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertNull;
import static org.junit.Assert.assertTrue;

import java.util.Arrays;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;

import org.bukkit.Material;
import org.bukkit.enchantments.Enchantment;
import org.bukkit.inventory.ItemStack;
import org.bukkit.inventory.ItemStackTags;
import org.bukkit.inventory.meta.BookMeta;
import org.bukkit.inventory.meta.EnchantmentStorageMeta;
import org.bukkit.inventory.meta.ItemMeta;
import org.bukkit.inventory.meta.SkullMeta;
import org.junit.Test;

import net.cubeworks.world.game.item.ApiItems;
import net.cubeworks.world.storage.ItemTagValues;

/** An item's meta goes into the slot's tag as the game keeps it and comes back whole. */
public class ItemMetaTagsTest {
    private static ItemStack throughSlot(ItemStack s) {
        Object tag = ApiItems.tag(s);
        return ApiItems.stack(s.getTypeId(), s.getAmount(), s.getDurability(), tag);
    }

    @Test
    public void nameLoreAndEnchantmentsLieInTheTagAsTheGameWritesThem() {
        ItemStack sword = new ItemStack(Material.DIAMOND_SWORD);
        ItemMeta meta = sword.getItemMeta();
        meta.setDisplayName("Edge");
        meta.setLore(Arrays.asList("one", "two"));
        sword.setItemMeta(meta);
        sword.addEnchantment(Enchantment.DAMAGE_ALL, 5);
        sword.addUnsafeEnchantment(Enchantment.DIG_SPEED, 10);

        Map<String, Object> tag = ItemTagValues.toValues(ApiItems.tag(sword));
        Map<?, ?> display = (Map<?, ?>) tag.get("display");
        assertEquals("Edge", display.get("Name"));
        assertEquals(Arrays.asList("one", "two"), display.get("Lore"));
        List<?> ench = (List<?>) tag.get("ench");
        assertEquals(2, ench.size());
        assertEquals((short) 16, ((Map<?, ?>) ench.get(0)).get("id"));
        assertEquals((short) 5, ((Map<?, ?>) ench.get(0)).get("lvl"));

        ItemStack back = throughSlot(sword);
        assertEquals(sword, back);
        assertEquals(10, back.getEnchantmentLevel(Enchantment.DIG_SPEED));
        assertEquals("Edge", back.getItemMeta().getDisplayName());
        assertEquals(5, back.removeEnchantment(Enchantment.DAMAGE_ALL));
        assertFalse(back.containsEnchantment(Enchantment.DAMAGE_ALL));
        assertEquals(0, back.removeEnchantment(Enchantment.DAMAGE_ALL));
    }

    @Test
    public void aPlainItemHasNoTagAndUnknownEntriesSurvive() {
        assertNull(ApiItems.tag(new ItemStack(Material.STONE, 3)));
        Map<String, Object> tag = new LinkedHashMap<String, Object>();
        tag.put("CustomThing", 7);
        Map<String, Object> display = new LinkedHashMap<String, Object>();
        display.put("color", 0xff0000);
        tag.put("display", display);
        ItemStack s = ItemStackTags.withTag(Material.LEATHER_CHESTPLATE.getId(), 1, (short) 0, tag);
        ItemMeta m = s.getItemMeta();
        m.setDisplayName("Red");
        s.setItemMeta(m);
        Map<String, Object> out = ItemTagValues.toValues(ApiItems.tag(s));
        assertEquals(7, out.get("CustomThing"));
        assertEquals(0xff0000, ((Map<?, ?>) out.get("display")).get("color"));
        assertEquals("Red", ((Map<?, ?>) out.get("display")).get("Name"));
    }

    @Test
    public void enchantingChecksLevelsAndItemsButTheUnsafeWayDoesNot() {
        ItemStack stone = new ItemStack(Material.STONE);
        try {
            stone.addEnchantment(Enchantment.DAMAGE_ALL, 1);
            throw new AssertionError("a sword's enchantment went on stone");
        } catch (IllegalArgumentException expected) {
        }
        try {
            new ItemStack(Material.IRON_SWORD).addEnchantment(Enchantment.DAMAGE_ALL, 6);
            throw new AssertionError("level 6 sharpness accepted");
        } catch (IllegalArgumentException expected) {
        }
        stone.addUnsafeEnchantment(Enchantment.DAMAGE_ALL, 9);
        assertEquals(9, stone.getEnchantmentLevel(Enchantment.DAMAGE_ALL));
        // unbreaking goes on anything that wears out
        new ItemStack(Material.DIAMOND_HELMET).addEnchantment(Enchantment.DURABILITY, 3);
        assertTrue(Enchantment.SILK_TOUCH.conflictsWith(Enchantment.LOOT_BONUS_BLOCKS));
        assertTrue(Enchantment.PROTECTION_FIRE.conflictsWith(Enchantment.PROTECTION_ENVIRONMENTAL));
        assertFalse(Enchantment.PROTECTION_FALL.conflictsWith(Enchantment.PROTECTION_ENVIRONMENTAL));
        assertEquals(Enchantment.getById(34), Enchantment.getByName("DURABILITY"));
        assertEquals(24, Enchantment.values().length);
    }

    @Test
    public void booksHeadsAndEnchantedBooksKeepTheirOwnEntries() {
        ItemStack book = new ItemStack(Material.WRITTEN_BOOK);
        BookMeta b = (BookMeta) book.getItemMeta();
        assertFalse(b.setTitle("a title much longer than sixteen"));
        b.setTitle("Rules");
        b.setAuthor("Admin");
        b.addPage("no griefing", "be kind");
        book.setItemMeta(b);
        BookMeta back = (BookMeta) throughSlot(book).getItemMeta();
        assertEquals("Rules", back.getTitle());
        assertEquals("be kind", back.getPage(2));
        assertEquals(2, back.getPageCount());

        ItemStack head = new ItemStack(Material.SKULL_ITEM, 1, (short) 3);
        SkullMeta h = (SkullMeta) head.getItemMeta();
        h.setOwner("Notch");
        head.setItemMeta(h);
        assertEquals("Notch", ItemTagValues.toValues(ApiItems.tag(head)).get("SkullOwner"));
        assertEquals("Notch", ((SkullMeta) throughSlot(head).getItemMeta()).getOwner());

        ItemStack stored = new ItemStack(Material.ENCHANTED_BOOK);
        EnchantmentStorageMeta e = (EnchantmentStorageMeta) stored.getItemMeta();
        e.addStoredEnchant(Enchantment.SILK_TOUCH, 1, false);
        stored.setItemMeta(e);
        assertTrue(((EnchantmentStorageMeta) throughSlot(stored).getItemMeta()).hasStoredEnchant(Enchantment.SILK_TOUCH));
        assertFalse(throughSlot(stored).containsEnchantment(Enchantment.SILK_TOUCH));

        // a book's meta moved to a sword keeps only the name
        b.setDisplayName("Named");
        ItemStack sword = new ItemStack(Material.IRON_SWORD);
        sword.setItemMeta(b);
        assertFalse(sword.getItemMeta() instanceof BookMeta);
        assertEquals("Named", sword.getItemMeta().getDisplayName());
    }

    @Test
    public void savedItemsWithMetaComeBackFromTheirMaps() {
        ItemStack sword = new ItemStack(Material.IRON_SWORD);
        sword.addEnchantment(Enchantment.KNOCKBACK, 2);
        ItemMeta m = sword.getItemMeta();
        m.setDisplayName("Pusher");
        sword.setItemMeta(m);
        Map<String, Object> saved = new LinkedHashMap<String, Object>(sword.serialize());
        saved.put("meta", sword.getItemMeta().serialize());
        ItemStack back = ItemStack.deserialize(saved);
        assertEquals(sword, back);
    }

    @Test
    public void theTagTravelsInTheSlotGzippedAsANamedCompound() throws Exception {
        ItemStack sword = new ItemStack(Material.IRON_SWORD);
        sword.addEnchantment(Enchantment.KNOCKBACK, 1);
        byte[] gz = ItemTagValues.gzipped(ApiItems.tag(sword));
        java.io.DataInputStream in = new java.io.DataInputStream(
                new java.util.zip.GZIPInputStream(new java.io.ByteArrayInputStream(gz)));
        assertEquals(10, in.readByte());
        assertEquals("", in.readUTF());
        // the first entry of the root: the "ench" list of compounds
        assertEquals(9, in.readByte());
        assertEquals("ench", in.readUTF());
        assertEquals(10, in.readByte());
        assertEquals(1, in.readInt());
        assertNull(ItemTagValues.gzipped(ApiItems.tag(new ItemStack(Material.STONE))));
        // Set Slot: window, slot, id, count, damage, then the tag's length and bytes
        byte[] frame = net.cubeworks.world.protocol.PlayPackets.setSlot(0, 36, 267, 1, 0, gz).frame();
        byte[] tail = java.util.Arrays.copyOfRange(frame, frame.length - gz.length - 2, frame.length);
        assertEquals(gz.length, ((tail[0] & 0xff) << 8) | (tail[1] & 0xff));
    }

    @Test
    public void leatherPotionAndFireworkMetaLieWhereTheGameKeepsThem() {
        ItemStack cap = new ItemStack(Material.LEATHER_HELMET);
        org.bukkit.inventory.meta.LeatherArmorMeta leather = (org.bukkit.inventory.meta.LeatherArmorMeta) cap.getItemMeta();
        assertEquals(0xA06540, leather.getColor().asRGB());
        leather.setColor(org.bukkit.Color.fromRGB(0x123456));
        leather.setDisplayName("Cap");
        cap.setItemMeta(leather);
        Map<?, ?> display = (Map<?, ?>) ItemTagValues.toValues(ApiItems.tag(cap)).get("display");
        assertEquals(0x123456, display.get("color"));
        assertEquals("Cap", display.get("Name"));
        assertEquals(0x123456, ((org.bukkit.inventory.meta.LeatherArmorMeta) throughSlot(cap).getItemMeta()).getColor().asRGB());

        ItemStack potion = new ItemStack(Material.POTION, 1, (short) 8194);
        org.bukkit.inventory.meta.PotionMeta pm = (org.bukkit.inventory.meta.PotionMeta) potion.getItemMeta();
        pm.addCustomEffect(new org.bukkit.potion.PotionEffect(org.bukkit.potion.PotionEffectType.SPEED, 600, 1), false);
        assertFalse(pm.addCustomEffect(new org.bukkit.potion.PotionEffect(org.bukkit.potion.PotionEffectType.SPEED, 20, 3), false));
        potion.setItemMeta(pm);
        Map<?, ?> effect = (Map<?, ?>) ((List<?>) ItemTagValues.toValues(ApiItems.tag(potion)).get("CustomPotionEffects")).get(0);
        assertEquals((byte) 1, effect.get("Id"));
        assertEquals(600, effect.get("Duration"));
        org.bukkit.potion.PotionEffect back = ((org.bukkit.inventory.meta.PotionMeta) throughSlot(potion).getItemMeta())
                .getCustomEffects().get(0);
        assertEquals(1, back.getAmplifier());

        ItemStack rocket = new ItemStack(Material.FIREWORK);
        org.bukkit.inventory.meta.FireworkMeta fm = (org.bukkit.inventory.meta.FireworkMeta) rocket.getItemMeta();
        fm.setPower(2);
        fm.addEffect(org.bukkit.FireworkEffect.builder().with(org.bukkit.FireworkEffect.Type.STAR)
                .withColor(org.bukkit.Color.RED).withFade(org.bukkit.Color.BLUE).withTrail().build());
        rocket.setItemMeta(fm);
        Map<?, ?> fw = (Map<?, ?>) ItemTagValues.toValues(ApiItems.tag(rocket)).get("Fireworks");
        assertEquals((byte) 2, fw.get("Flight"));
        Map<?, ?> ex = (Map<?, ?>) ((List<?>) fw.get("Explosions")).get(0);
        assertEquals((byte) 2, ex.get("Type"));
        assertEquals(0xFF0000, ((int[]) ex.get("Colors"))[0]);
        org.bukkit.inventory.meta.FireworkMeta fb = (org.bukkit.inventory.meta.FireworkMeta) throughSlot(rocket).getItemMeta();
        assertEquals(2, fb.getPower());
        assertEquals(fm.getEffects(), fb.getEffects());
    }
}
