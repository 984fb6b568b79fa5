<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Vireo::Widgets::InputDetailContentButton</name>
    <message>
        <source>Capture</source>
        <translation>采集</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::InputListContentButton</name>
    <message>
        <source>No Signal</source>
        <translation>无信号</translation>
    </message>
    <message>
        <source>Bandwidth Exceeded</source>
        <translation>带宽超限</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::InputListWidget</name>
    <message>
        <source>No input sources. Please add input cards on Device page.</source>
        <translation>没有输入源。请在设备页面添加输入卡。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::LayerBaseListContentButton</name>
    <message>
        <source>Cut-</source>
        <translation>抠像-</translation>
    </message>
    <message>
        <source>Fill-</source>
        <translation>填充-</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::OutputListWidget</name>
    <message>
        <source>No outputs. Please go to Device add an output card first.</source>
        <translation>没有输出。请先到设备页面添加输出卡。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::ProgressBarCtr</name>
    <message>
        <source>Failure</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Succeed</source>
        <translation>成功</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::ScreenDetailVListWidget</name>
    <message>
        <source>No PVW and PGM available. Please add them on Screen page.</source>
        <translation>没有可用的预监和主监。请在屏幕页面添加。</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::ScreenHeaderListWidget</name>
    <message>
        <source>Reset Layout</source>
        <translation>重置布局</translation>
    </message>
    <message>
        <source>MultiSelect</source>
        <translation>多选</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::ScreenListContentButton</name>
    <message>
        <source>N/A</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Mosaic Area:%1*%2</source>
        <translation>拼接区域:%1*%2</translation>
    </message>
    <message>
        <source>%1 Layers</source>
        <translation>%1 个图层</translation>
    </message>
    <message>
        <source>%1 Ouputs</source>
        <translation>%1 个输出</translation>
    </message>
</context>
<context>
    <name>Vireo::Widgets::WaitingDialog</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
