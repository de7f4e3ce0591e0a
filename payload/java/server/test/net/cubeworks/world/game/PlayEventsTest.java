package net.cubeworks.world.game;

import static org.junit.Assert.assertEquals;
import static org.junit.Assert.assertFalse;
import static org.junit.Assert.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.DataOutputStream;
import java.nio.charset.Charset;
import java.util.ArrayList;
import java.util.List;
import java.util.logging.Logger;

import org.bukkit.GameMode;
import org.bukkit.entity.Player;
import org.bukkit.event.Cancellable;
import org.bukkit.event.Event;
import org.bukkit.event.EventPriority;
import org.bukkit.event.HandlerList;
import org.bukkit.event.Listener;
import org.bukkit.event.block.BlockDamageEvent;
import org.bukkit.event.entity.EntityDamageByEntityEvent;
import org.bukkit.event.entity.EntityDamageEvent;
import org.bukkit.event.entity.EntityRegainHealthEvent;
import org.bukkit.event.entity.PlayerDeathEvent;
import org.bukkit.event.player.PlayerChannelEvent;
import org.bukkit.event.player.PlayerChatEvent;
import org.bukkit.event.player.PlayerChatTabCompleteEvent;
import org.bukkit.event.player.PlayerGameModeChangeEvent;
import org.bukkit.event.player.PlayerItemHeldEvent;
import org.bukkit.event.player.PlayerToggleFlightEvent;
import org.bukkit.event.player.PlayerToggleSneakEvent;
import org.bukkit.event.world.WorldSaveEvent;
import org.bukkit.inventory.ItemStack;
import org.bukkit.plugin.EventExecutor;
import org.bukkit.plugin.Plugin;
import org.junit.After;
import org.junit.Before;
import org.junit.Test;

import net.cubeworks.world.game.item.PlayerInventory;
import net.cubeworks.world.game.play.PluginChannels;
import net.cubeworks.world.game.player.Eating;
import net.cubeworks.world.game.player.OnlinePlayer;
import net.cubeworks.world.net.Connections;
import net.cubeworks.world.plugin.EventDispatch;
import net.cubeworks.world.protocol.PacketIn;
import net.cubeworks.world.protocol.PlayPackets;
import net.cubeworks.world.protocol.PlayReads;
import net.cubeworks.world.settings.ServerProperties;
import net.cubeworks.world.storage.WorldStore;

/** What players do with themselves and to each other asks the plugins, and their answer decides. */
@SuppressWarnings("deprecation")
public class PlayEventsTest {
    private final EventDispatch events = new EventDispatch(Logger.getAnonymousLogger());
    private final List<String> seen = new ArrayList<String>();
    private Game game;
    private GameWorld world;
    private OnlinePlayer alex;
    private OnlinePlayer bo;
    private Plugin plugin;

    @Before
    public void setUp() {
        game = new Game(Logger.getAnonymousLogger(),
                ServerProperties.parse("spawn-protection=0\ndifficulty=1\n".getBytes(Charset.forName("UTF-8"))), null,
                TestGames.host(events), new WorldStore.None());
        world = game.world();
        alex = TestGames.join(game, "Alex", 1, 2.5, 4, 2.5);
        bo = TestGames.join(game, "Bo", 2, 3.5, 4, 2.5);
        plugin = TestGames.plugin("guard");
    }

    @After
    public void tearDown() {
        HandlerList.unregisterAll();
        world.close();
    }

    /** Every event of the type is noted by its class name, and cancelled when asked. */
    private void on(Class<? extends Event> type, final boolean cancel, final EventExecutor also) {
        events.registerEvent(type, new Listener() {
        }, EventPriority.NORMAL, new EventExecutor() {
            public void execute(Listener l, Event event) throws org.bukkit.event.EventException {
                seen.add(event.getEventName());
                if (cancel) {
                    ((Cancellable) event).setCancelled(true);
                }
                if (also != null) {
                    also.execute(l, event);
                }
            }
        }, plugin, false);
    }

    private void act(Runnable r) {
        synchronized (game.lock()) {
            alex.actionsThisTick = 0;
            r.run();
        }
    }

    private static PlayReads.BlockAction dig(int status, int x, int y, int z) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeByte(status);
        o.writeInt(x);
        o.writeByte(y);
        o.writeInt(z);
        o.writeByte(1);
        return PlayReads.playerDigging(new PacketIn(b.toByteArray()));
    }

    /** The ids of the packets a player's client was sent since the last call. */
    private static List<Integer> sentIds(OnlinePlayer p) throws Exception {
        List<Integer> ids = new ArrayList<Integer>();
        for (int[] packet : Connections.takeSent(p.connection())) {
            ids.add(packet[0]);
        }
        return ids;
    }

    @Test
    public void aDigStartCanBeRefusedOrMadeInstant() throws Exception {
        on(BlockDamageEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                BlockDamageEvent e = (BlockDamageEvent) event;
                seen.add(e.getBlock().getType() + " insta " + e.getInstaBreak());
                if (e.getBlock().getX() == 4) {
                    e.setCancelled(true);
                } else {
                    e.setInstaBreak(true);
                }
            }
        });
        final PlayReads.BlockAction refused = dig(0, 4, 3, 2);
        final PlayReads.BlockAction atOnce = dig(0, 2, 3, 3);
        act(new Runnable() {
            public void run() {
                world.blocks().setBlock(4, 3, 2, 1, 0);
                world.blocks().setBlock(2, 3, 3, 1, 0);
                world.interaction().dig(alex, refused);
                assertFalse("a refused start digs nothing", alex.digging.active());
                world.interaction().dig(alex, atOnce);
            }
        });
        assertEquals("[BlockDamageEvent, STONE insta false, BlockDamageEvent, STONE insta false]", seen.toString());
        assertEquals(1, world.blocks().blockAt(4, 3, 2));
        assertEquals("stone dug by hand, yet broken at the first hit", 0, world.blocks().blockAt(2, 3, 3));
    }

    @Test
    public void refusedTogglesKeepThePlayerAsHeWas() throws Exception {
        on(PlayerItemHeldEvent.class, true, null);
        on(PlayerToggleSneakEvent.class, true, null);
        on(org.bukkit.event.player.PlayerToggleSprintEvent.class, true, null);
        on(PlayerToggleFlightEvent.class, true, null);
        on(PlayerGameModeChangeEvent.class, true, null);
        alex.setAllowFlight(true);
        sentIds(alex);
        act(new Runnable() {
            public void run() {
                world.hands().holdSlot(alex, 3);
                world.movement().stance(alex, PlayReads.ACTION_CROUCH);
                world.movement().stance(alex, PlayReads.ACTION_START_SPRINT);
                world.movement().abilities(alex, PlayReads.ABILITY_FLYING);
                game.players().setGameMode(alex, GameMode.CREATIVE);
            }
        });
        assertEquals("[PlayerItemHeldEvent, PlayerToggleSneakEvent, PlayerToggleSprintEvent, PlayerToggleFlightEvent, "
                + "PlayerGameModeChangeEvent]", seen.toString());
        assertEquals(0, alex.heldSlot);
        assertFalse(alex.isSneaking());
        assertFalse(alex.isSprinting());
        assertFalse(alex.isFlying());
        assertEquals(GameMode.SURVIVAL, alex.getGameMode());
        assertEquals("sent back his slot, then his abilities, and no change of mode",
                "[" + PlayPackets.HELD_ITEM_CHANGE + ", " + PlayPackets.PLAYER_ABILITIES + "]", sentIds(alex).toString());
        HandlerList.unregisterAll();
        act(new Runnable() {
            public void run() {
                world.hands().holdSlot(alex, 3);
                world.movement().stance(alex, PlayReads.ACTION_CROUCH);
                world.movement().stance(alex, PlayReads.ACTION_START_SPRINT);
                world.movement().abilities(alex, PlayReads.ABILITY_FLYING);
            }
        });
        assertEquals(3, alex.heldSlot);
        assertTrue(alex.isSneaking());
        assertTrue(alex.isSprinting());
        assertTrue(alex.isFlying());
    }

    @Test
    public void aHitDoesTheWeaponsDamageLessArmourOnceInTheResistantTicks() throws Exception {
        final List<Double> damages = new ArrayList<Double>();
        on(EntityDamageEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                EntityDamageByEntityEvent e = (EntityDamageByEntityEvent) event;
                damages.add(e.getDamage());
                seen.add(((org.bukkit.entity.Player) e.getDamager()).getName() + " hits "
                        + ((org.bukkit.entity.Player) e.getEntity()).getName() + " " + e.getCause() + " "
                        + e.getEntityType());
            }
        });
        alex.inventory().set(PlayerInventory.HOTBAR, 276, 1, 0, null); // a diamond sword: 8
        bo.inventory().set(5, 310, 1, 0, null); // a diamond helmet: 3 points, 12 % off
        act(new Runnable() {
            public void run() {
                world.combat().hit(alex, bo);
                world.combat().hit(alex, bo); // within the resistant ticks, and no harder
            }
        });
        assertEquals("[EntityDamageByEntityEvent, Alex hits Bo ENTITY_ATTACK PLAYER]", seen.toString());
        assertEquals("[8.0]", damages.toString());
        assertEquals(20f - 8f * 22 / 25, bo.health, 1e-4);
    }

    @Test
    public void aCancelledHitHurtsNobodyAndADeathSaysWhatThePluginsSay() throws Exception {
        final boolean[] refuse = {true};
        on(EntityDamageEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                ((EntityDamageEvent) event).setCancelled(refuse[0]);
                ((EntityDamageEvent) event).setDamage(100);
            }
        });
        on(PlayerDeathEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                PlayerDeathEvent e = (PlayerDeathEvent) event;
                seen.add(e.getDeathMessage());
                e.setDeathMessage("Bo met Alex's sword");
            }
        });
        act(new Runnable() {
            public void run() {
                world.combat().hit(alex, bo);
            }
        });
        assertEquals(20f, bo.health, 0f);
        refuse[0] = false;
        sentIds(alex);
        act(new Runnable() {
            public void run() {
                world.combat().hit(alex, bo);
            }
        });
        assertTrue(bo.dead);
        assertEquals("[EntityDamageByEntityEvent, EntityDamageByEntityEvent, PlayerDeathEvent, Bo was slain by Alex]",
                seen.toString());
        assertTrue("everyone is sent the plugin's death message", sentIds(alex).contains(PlayPackets.CHAT));
    }

    @Test
    public void aPlayerWithAFullFoodBarHealsEveryFourSecondsUnlessAPluginSaysNo() {
        final boolean[] refuse = {false};
        on(EntityRegainHealthEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                EntityRegainHealthEvent e = (EntityRegainHealthEvent) event;
                seen.add(e.getRegainReason() + " " + e.getAmount());
                e.setCancelled(refuse[0]);
            }
        });
        alex.health = 10f;
        act(new Runnable() {
            public void run() {
                for (long tick = 1; tick <= 160; tick++) {
                    world.survival().tick(alex, tick);
                }
                refuse[0] = true;
                for (long tick = 161; tick <= 240; tick++) {
                    world.survival().tick(alex, tick);
                }
            }
        });
        assertEquals("[EntityRegainHealthEvent, SATIATED 1.0, EntityRegainHealthEvent, SATIATED 1.0, "
                + "EntityRegainHealthEvent, SATIATED 1.0]", seen.toString());
        assertEquals(12f, alex.health, 0f);
        bo.health = 10f;
        bo.food = 17;
        act(new Runnable() {
            public void run() {
                for (long tick = 1; tick <= 160; tick++) {
                    world.survival().tick(bo, tick);
                }
            }
        });
        assertEquals("a hungry player does not heal", 10f, bo.health, 0f);
    }

    @Test
    public void theOldChatEventHasTheLastWordAndCompletionsComeFromTheNames() throws Exception {
        on(PlayerChatEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                PlayerChatEvent e = (PlayerChatEvent) event;
                seen.add(e.getMessage() + " to " + e.getRecipients().size());
                e.setCancelled(e.getMessage().startsWith("secret"));
                e.setFormat("[%1$s] %2$s");
            }
        });
        on(PlayerChatTabCompleteEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                PlayerChatTabCompleteEvent e = (PlayerChatTabCompleteEvent) event;
                seen.add("complete " + e.getLastToken() + " " + e.getTabCompletions());
                e.getTabCompletions().add("Bob");
            }
        });
        sentIds(bo);
        game.chat().chat(alex, "secret plan");
        assertEquals("a cancelled line reaches nobody", "[]", sentIds(bo).toString());
        game.chat().chat(alex, "hello");
        assertEquals("[" + PlayPackets.CHAT + "]", sentIds(bo).toString());
        game.chat().tabComplete(alex, "hi b");
        List<int[]> sent = Connections.takeSent(alex.connection());
        int[] answer = sent.get(sent.size() - 1);
        assertEquals(PlayPackets.TAB_COMPLETE, answer[0]);
        assertEquals("two completions: Bo, and the plugin's Bob", 2, answer[1]);
        assertEquals("[PlayerChatEvent, secret plan to 2, PlayerChatEvent, hello to 2, PlayerChatTabCompleteEvent, "
                + "complete b [Bo]]", seen.toString());
    }

    @Test
    public void channelEventsNameTheChannelsTakenUpAndGivenUpAndSavesAreAnnounced() {
        on(PlayerChannelEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                seen.add(((PlayerChannelEvent) event).getChannel());
            }
        });
        on(WorldSaveEvent.class, false, null);
        act(new Runnable() {
            public void run() {
                PluginChannels.received(game, alex, PluginChannels.REGISTER, "MC|a\u0000MC|b".getBytes());
                PluginChannels.received(game, alex, PluginChannels.REGISTER, "MC|a".getBytes());
                PluginChannels.received(game, alex, PluginChannels.UNREGISTER, "MC|b\u0000MC|c".getBytes());
                world.saveLater();
            }
        });
        assertEquals("[PlayerRegisterChannelEvent, MC|a, PlayerRegisterChannelEvent, MC|b, "
                + "PlayerUnregisterChannelEvent, MC|b, WorldSaveEvent]", seen.toString());
    }

    @Test
    public void aDropIsToldWithTheItemAndACancelledOneStaysInTheHand() throws Exception {
        final boolean[] cancel = {false};
        on(org.bukkit.event.player.PlayerDropItemEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                org.bukkit.entity.Item item = ((org.bukkit.event.player.PlayerDropItemEvent) event).getItemDrop();
                seen.add(item.getItemStack().getType() + " x" + item.getItemStack().getAmount() + " valid "
                        + item.isValid() + " " + item.getType());
                ((org.bukkit.event.player.PlayerDropItemEvent) event).setCancelled(cancel[0]);
            }
        });
        alex.inventory().set(PlayerInventory.HOTBAR, 1, 3, 0, null);
        final PlayReads.BlockAction one = dig(4, 0, 0, 0);
        final PlayReads.BlockAction all = dig(3, 0, 0, 0);
        act(new Runnable() {
            public void run() {
                world.interaction().dig(alex, one);
                world.interaction().dig(alex, all);
            }
        });
        assertEquals("[PlayerDropItemEvent, STONE x1 valid true DROPPED_ITEM, PlayerDropItemEvent, STONE x2 valid true DROPPED_ITEM]",
                seen.toString());
        assertEquals("all three thrown", 0, alex.inventory().count(PlayerInventory.HOTBAR));
        assertEquals(2, world.items().size());

        cancel[0] = true;
        alex.inventory().set(PlayerInventory.HOTBAR, 1, 3, 0, null);
        act(new Runnable() {
            public void run() {
                world.interaction().dig(alex, all);
            }
        });
        assertEquals("a cancelled throw stays in the hand", 3, alex.inventory().count(PlayerInventory.HOTBAR));
        assertEquals("and never reaches the ground", 2, world.items().size());
    }

    @Test
    public void signTextFromThePlacerIsKeptAndGoesToThoseWhoHaveTheColumnAsThePluginsLeaveIt() throws Exception {
        final boolean[] refuse = {true};
        on(org.bukkit.event.block.SignChangeEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                org.bukkit.event.block.SignChangeEvent e = (org.bukkit.event.block.SignChangeEvent) event;
                seen.add(e.getLine(0));
                e.setLine(0, "[Shop of " + e.getPlayer().getName() + "]");
                e.setCancelled(refuse[0]);
            }
        });
        final PlayReads.SignText text = sign(2, 4, 3, "[shop]", "", "", "");
        final PlayReads.SignText onGrass = sign(2, 3, 3, "x", "", "", "");
        final PlayReads.SignText again = sign(2, 4, 3, "mine now", "", "", "");
        sentIds(bo);
        act(new Runnable() {
            public void run() {
                world.blocks().setBlock(2, 4, 3, 63, 0);
                // placed by Alex: his client writes its text, once
                ((net.cubeworks.world.level.BlockEntity.Sign) world.blockEntities().at(2, 4, 3)).editor = alex;
                sentIdsQuietly(bo);
                world.blockEvents().signText(alex, onGrass);
                world.blockEvents().signText(bo, again); // not his sign: refused before any plugin hears of it
                world.blockEvents().signText(alex, text); // refused by the plugin: he may try again
                refuse[0] = false;
                world.blockEvents().signText(alex, text);
                world.blockEvents().signText(alex, again); // written once already
            }
        });
        assertEquals("[SignChangeEvent, [shop], SignChangeEvent, [shop]]", seen.toString());
        List<int[]> sent = Connections.takeSent(bo.connection());
        assertEquals("the blank sign sent back for his refused text, then the allowed text", 2, sent.size());
        assertEquals(PlayPackets.UPDATE_SIGN, sent.get(0)[0]);
        assertEquals(PlayPackets.UPDATE_SIGN, sent.get(1)[0]);
        assertTrue(new String(bytes(sent.get(1)), "UTF-8").contains("[Shop of Alex]"));
        String[] kept = world.blockEntities().signLines(2, 4, 3);
        assertEquals("[Shop of Alex]", kept[0]);
        assertEquals("", kept[1]);
    }

    @Test
    public void columnsLoadedAreToldAtTheTickAndAColumnAPluginKeepsStaysInMemory() throws Exception {
        synchronized (game.lock()) {
            world.cache().resolve(0, 0); // the players' own column, in memory as a sent column is
        }
        on(org.bukkit.event.world.ChunkLoadEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                org.bukkit.Chunk c = ((org.bukkit.event.world.ChunkLoadEvent) event).getChunk();
                seen.add(c.getX() + "," + c.getZ());
            }
        });
        on(org.bukkit.event.world.ChunkUnloadEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                org.bukkit.event.world.ChunkUnloadEvent e = (org.bukkit.event.world.ChunkUnloadEvent) event;
                e.setCancelled(e.getChunk().getX() == 7);
            }
        });
        synchronized (game.lock()) {
            world.cache().resolve(7, 7);
            world.cache().resolve(8, 8);
            assertEquals("nothing told before the tick", "[]", seen.toString());
            world.tick();
            assertEquals("[ChunkLoadEvent, 7,7, ChunkLoadEvent, 8,8]", seen.toString());
            world.forgetUnseen();
            assertTrue("kept by the plugin", world.cache().inMemory(net.cubeworks.world.level.ColumnKey.of(7, 7)));
            assertFalse(world.cache().inMemory(net.cubeworks.world.level.ColumnKey.of(8, 8)));
        }
    }

    @Test
    public void tiredPlayersLoseFoodAsThePluginsAllowAndStarveOnlyDownToTenOnEasy() {
        final boolean[] refuse = {true};
        on(org.bukkit.event.entity.FoodLevelChangeEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                org.bukkit.event.entity.FoodLevelChangeEvent e = (org.bukkit.event.entity.FoodLevelChangeEvent) event;
                seen.add("food " + e.getFoodLevel());
                e.setCancelled(refuse[0]);
            }
        });
        alex.saturation = 0f;
        act(new Runnable() {
            public void run() {
                world.hunger().exhaust(alex, 4.5f);
                world.hunger().tick(alex, 1);
                assertEquals("kept by the plugin", 20, alex.food);
                refuse[0] = false;
                world.hunger().exhaust(alex, 4f);
                world.hunger().tick(alex, 2);
            }
        });
        assertEquals(19, alex.food);
        assertEquals(0.5f, alex.exhaustion, 1e-4);
        assertEquals("[FoodLevelChangeEvent, food 19, FoodLevelChangeEvent, food 19]", seen.toString());
        bo.food = 0;
        bo.health = 11f;
        act(new Runnable() {
            public void run() {
                for (long tick = 1; tick <= 400; tick++) {
                    world.hunger().tick(bo, tick);
                }
            }
        });
        assertEquals("starving on easy stops at 10", 10f, bo.health, 0f);
    }

    @Test
    public void foodHeldFor32TicksIsEatenUnlessAPluginRefuses() {
        final boolean[] refuse = {true};
        on(org.bukkit.event.player.PlayerItemConsumeEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                org.bukkit.event.player.PlayerItemConsumeEvent e = (org.bukkit.event.player.PlayerItemConsumeEvent) event;
                seen.add(e.getItem().getType().name());
                e.setCancelled(refuse[0]);
            }
        });
        alex.inventory().set(PlayerInventory.HOTBAR, 297, 2, 0, null); // bread: 5 food, 6 saturation
        alex.food = 10;
        alex.saturation = 0f;
        act(new Runnable() {
            public void run() {
                world.eating().use(alex);
                for (int i = 0; i < Eating.TICKS + 1; i++) {
                    world.tick();
                }
                refuse[0] = false;
                world.eating().use(alex);
                for (int i = 0; i < Eating.TICKS - 1; i++) {
                    world.tick();
                }
                assertEquals("not yet eaten", 10, alex.food);
                world.tick();
            }
        });
        assertEquals("[PlayerItemConsumeEvent, BREAD, PlayerItemConsumeEvent, BREAD]", seen.toString());
        assertEquals(15, alex.food);
        assertEquals(6f, alex.saturation, 1e-4);
        assertEquals("one bread eaten, the refused one kept", 1, alex.inventory().count(PlayerInventory.HOTBAR));
    }

    @Test
    public void landingFromMoreThanThreeBlocksHurtsAPointABlockBeyond() throws Exception {
        final List<String> causes = new ArrayList<String>();
        on(EntityDamageEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                EntityDamageEvent e = (EntityDamageEvent) event;
                causes.add(e.getCause() + " " + e.getDamage());
            }
        });
        alex.y = 10;
        bo.y = 7;
        // the landing move's own drop does not count, as the game has it: 5.5 blocks fallen
        final PlayReads.Movement[] fall = {at(2.5, 8, false), at(2.5, 6, false), at(2.5, 4.5, false), at(2.5, 4, true)};
        final PlayReads.Movement[] hop = {at(3.5, 5.5, false), at(3.5, 4, true)};
        act(new Runnable() {
            public void run() {
                for (PlayReads.Movement m : fall) {
                    world.movement().move(alex, m);
                }
                for (PlayReads.Movement m : hop) {
                    world.movement().move(bo, m);
                }
            }
        });
        assertEquals("5.5 blocks: three points; 1.5: none", "[FALL 3.0]", causes.toString());
        assertEquals(17f, alex.health, 0f);
        assertEquals(20f, bo.health, 0f);
        assertEquals(0f, alex.fallDistance, 0f);
    }

    private static PlayReads.Movement at(double x, double feet, boolean onGround) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeDouble(x);
        o.writeDouble(feet);
        o.writeDouble(feet + 1.62);
        o.writeDouble(2.5);
        o.writeBoolean(onGround);
        return PlayReads.playerPosition(new PacketIn(b.toByteArray()));
    }

    @Test
    public void creativeSlotsAToolThatWearsOutAndAClickOnAPlayerAreTold() throws Exception {
        on(org.bukkit.event.inventory.InventoryCreativeEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                org.bukkit.event.inventory.InventoryCreativeEvent e = (org.bukkit.event.inventory.InventoryCreativeEvent) event;
                seen.add(e.getRawSlot() + "/" + e.getSlot() + " " + e.getCursor().getType());
                if (e.getCursor().getTypeId() == 7) {
                    e.setCancelled(true); // no bedrock from the creative menu
                } else {
                    e.setCursor(new ItemStack(3, 5));
                }
            }
        });
        on(org.bukkit.event.player.PlayerItemBreakEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                seen.add(((org.bukkit.event.player.PlayerItemBreakEvent) event).getBrokenItem().getType().name());
            }
        });
        on(org.bukkit.event.player.PlayerInteractEntityEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                seen.add(((Player) ((org.bukkit.event.player.PlayerInteractEntityEvent) event).getRightClicked()).getName());
            }
        });
        alex.setModeField(GameMode.CREATIVE);
        final PlayReads.CreativeSlot bedrock = creative(36, 7, 1);
        final PlayReads.CreativeSlot stone = creative(37, 1, 1);
        final PlayReads.BlockAction digDirt = dig(0, 2, 2, 3);
        final PlayReads.BlockAction dugDirt = dig(2, 2, 2, 3);
        final PlayReads.UseEntity click = use(bo.getEntityId());
        act(new Runnable() {
            public void run() {
                world.hands().creativeSet(alex, bedrock);
                world.hands().creativeSet(alex, stone);
                alex.setModeField(GameMode.SURVIVAL);
                alex.inventory().set(PlayerInventory.HOTBAR + 2, 269, 1, 59, null); // a wooden shovel with one use left
                alex.heldSlot = 2;
                world.blocks().setBlock(2, 3, 3, 0, 0);
                world.interaction().dig(alex, digDirt);
                for (int i = 0; i < 20; i++) {
                    world.tick();
                }
                alex.actionsThisTick = 0;
                world.interaction().dig(alex, dugDirt);
                alex.shown.add(bo);
                world.hands().useEntity(alex, click);
            }
        });
        assertEquals(0, alex.inventory().item(PlayerInventory.HOTBAR));
        assertEquals("the plugin's dirt instead of stone", 3, alex.inventory().item(PlayerInventory.HOTBAR + 1));
        assertEquals("the plugin's 5 dirt", 5, alex.inventory().count(PlayerInventory.HOTBAR + 1));
        assertEquals("and the one dug on the ground", 3, world.items().all().get(0).itemId());
        assertEquals(0, alex.inventory().item(PlayerInventory.HOTBAR + 2));
        assertEquals("[InventoryCreativeEvent, 36/0 BEDROCK, InventoryCreativeEvent, 37/1 STONE, PlayerItemBreakEvent, "
                + "WOOD_SPADE, PlayerInteractEntityEvent, Bo]", seen.toString());
    }

    private static PlayReads.CreativeSlot creative(int slot, int item, int count) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeShort(slot);
        o.writeShort(item);
        o.writeByte(count);
        o.writeShort(0);
        o.writeShort(-1);
        return PlayReads.creativeInventoryAction(new PacketIn(b.toByteArray()));
    }

    private static PlayReads.UseEntity use(int target) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeInt(target);
        o.writeByte(0);
        return PlayReads.useEntity(new PacketIn(b.toByteArray()));
    }

    @Test
    public void aPluginMayLetABlockBePutWhereAPlayerStands() throws Exception {
        on(org.bukkit.event.block.BlockCanBuildEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                org.bukkit.event.block.BlockCanBuildEvent e = (org.bukkit.event.block.BlockCanBuildEvent) event;
                seen.add(e.getMaterial() + " " + e.isBuildable());
                e.setBuildable(true);
            }
        });
        alex.inventory().set(PlayerInventory.HOTBAR, 1, 3, 0, null);
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeInt(3);
        o.writeByte(3);
        o.writeInt(2);
        o.writeByte(1);
        o.writeShort(-1);
        o.write(new byte[] {8, 8, 8});
        final PlayReads.BlockAction onBo = PlayReads.blockPlacement(new PacketIn(b.toByteArray()));
        act(new Runnable() {
            public void run() {
                world.interaction().place(alex, onBo); // the cell of Bo's feet
            }
        });
        assertEquals("[BlockCanBuildEvent, STONE false]", seen.toString());
        assertEquals(1, world.blocks().blockAt(3, 4, 2));
    }

    @Test
    public void lavaHurtsAndSetsOnFireUnlessAPluginKeepsThePlayerFromCatchingIt() {
        final boolean[] refuse = {false};
        final List<String> causes = new ArrayList<String>();
        on(org.bukkit.event.entity.EntityCombustEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                ((org.bukkit.event.entity.EntityCombustEvent) event).setCancelled(refuse[0]);
            }
        });
        on(EntityDamageEvent.class, false, new EventExecutor() {
            public void execute(Listener l, Event event) {
                causes.add(((EntityDamageEvent) event).getCause().name());
            }
        });
        act(new Runnable() {
            public void run() {
                world.blocks().setBlock(2, 4, 2, 11, 0);
                for (long tick = 1; tick <= 10; tick++) {
                    world.survival().tick(alex, tick);
                }
                world.blocks().setBlock(2, 4, 2, 0, 0);
                for (long tick = 11; tick <= 30; tick++) {
                    world.survival().tick(alex, tick);
                }
                world.blocks().setBlock(2, 4, 2, 9, 0);
                world.survival().tick(alex, 31);
            }
        });
        assertEquals("[LAVA, FIRE_TICK]", causes.toString());
        assertEquals(15f, alex.health, 0f);
        assertEquals("water puts the fire out", 0, alex.fireTicks);
        refuse[0] = true;
        causes.clear();
        act(new Runnable() {
            public void run() {
                world.blocks().setBlock(3, 4, 2, 11, 0);
                for (long tick = 1; tick <= 10; tick++) {
                    world.survival().tick(bo, tick);
                }
                world.blocks().setBlock(3, 4, 2, 0, 0);
                for (long tick = 11; tick <= 60; tick++) {
                    world.survival().tick(bo, tick);
                }
            }
        });
        assertEquals("the lava alone, no burning after", "[LAVA]", causes.toString());
        assertEquals(16f, bo.health, 0f);
    }

    private static PlayReads.SignText sign(int x, int y, int z, String... lines) throws Exception {
        ByteArrayOutputStream b = new ByteArrayOutputStream();
        DataOutputStream o = new DataOutputStream(b);
        o.writeInt(x);
        o.writeShort(y);
        o.writeInt(z);
        for (String line : lines) {
            o.writeByte(line.length());
            o.write(line.getBytes("UTF-8"));
        }
        return PlayReads.updateSign(new PacketIn(b.toByteArray()));
    }

    private static void sentIdsQuietly(OnlinePlayer p) {
        try {
            Connections.takeSent(p.connection());
        } catch (Exception ex) {
            throw new IllegalStateException(ex);
        }
    }

    private static byte[] bytes(int[] packet) {
        byte[] out = new byte[packet.length];
        for (int i = 0; i < packet.length; i++) {
            out[i] = (byte) packet[i];
        }
        return out;
    }

    @Test
    public void aGameModeChangeAPluginRefusesIsReportedAsFailedByTheCommand() {
        on(PlayerGameModeChangeEvent.class, true, null);
        final List<String> said = new ArrayList<String>();
        Logger log = Logger.getAnonymousLogger();
        log.setUseParentHandlers(false);
        log.addHandler(new java.util.logging.Handler() {
            public void publish(java.util.logging.LogRecord r) {
                said.add(r.getMessage());
            }

            public void flush() {
            }

            public void close() {
            }
        });
        net.cubeworks.world.command.CommandRegistry commands = new net.cubeworks.world.command.CommandRegistry(game,
                null, new org.bukkit.command.SimpleCommandMap(null), null);
        synchronized (game.lock()) {
            commands.dispatch(new net.cubeworks.world.command.ConsoleSender(log, null), "gamemode 1 Alex");
        }
        assertEquals(GameMode.SURVIVAL, alex.getGameMode());
        assertEquals("[Game mode change for Alex failed!]", said.toString());
    }
}
